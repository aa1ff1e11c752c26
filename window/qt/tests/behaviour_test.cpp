// SPDX-License-Identifier: MIT
// The form's behaviour, as every front end follows it, run in the Qt window: each scenario a row,
// each step acted with Qt Test's keys and clicks, or checked on the widgets.
#include "fault_box.h"
#include "form2_behaviour.h"
#include "window_test_support.h"
#include "working_form_description.h"

#include <QClipboard>
#include <QLocale>
#include <QTableWidget>

#include <algorithm>
#include <iterator>
#include <memory>

using namespace zirev1;
using zirev1::testing::ShownForm;

namespace {

bool commaLocale() {
    return QLocale().decimalPoint() == QStringLiteral(",");
}

// A step's text with "." standing for the user's decimal separator.
QString withSeparator(std::string_view text) {
    return toQString(text).replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The twelve texts a Results step names, with the user's decimal separator.
QStringList expectedResults(std::string_view texts) {
    if (texts.empty()) {
        return QStringList(static_cast<qsizetype>(FORM2.resultLabels.size()), QString());
    }
    return toQString(texts).replace(QLatin1Char('.'), QLocale().decimalPoint()).split(' ');
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
Key keyNamed(std::string_view name) {
    if (name == KEY_ENTER) {
        return {Qt::Key_Return};
    }
    if (name == KEY_SPACE) {
        return {Qt::Key_Space};
    }
    if (name == KEY_TAB) {
        return {Qt::Key_Tab};
    }
    if (name == KEY_SHIFT_TAB) {
        return {Qt::Key_Backtab, Qt::ShiftModifier};
    }
    if (name == KEY_BACKSPACE) {
        return {Qt::Key_Backspace};
    }
    if (name == KEY_ESCAPE) {
        return {Qt::Key_Escape};
    }
    return {Qt::Key_V, Qt::ControlModifier};
}

// Follows one scenario's steps on a shown window; the first step that does not hold fails it.
class Driver {
public:
    explicit Driver(ShownForm& shown) : m_shown(shown) {}

    // Empty when the step holds, else what was seen instead.
    QString run(const Step& step) {
        switch (step.act) {
        case Act::Set:
            field(step.target)->setText(toQString(step.text));
            return {};
        case Act::Type:
            m_shown.type(side(step.target), toQString(step.text));
            return {};
        case Act::Press:
            return press(step.text);
        case Act::Click:
            if (step.target != Target::Calculate) {
                return clickButton(step.target);
            }
            m_before = m_shown.results();
            // The window takes no mouse click behind a modal box; a programmatic one still comes.
            if (m_shown.faultBoxes().isEmpty()) {
                m_shown.clickCalcolo();
            } else {
                m_shown.calcolo()->click();
            }
            return {};
        case Act::Results:
            return differing(m_shown.results(), expectedResults(step.text));
        case Act::Unchanged:
            return differing(m_shown.results(), m_before);
        case Act::ResultsApart:
            return overlapping();
        case Act::Fault:
            return faultBoxSays(step.text);
        case Act::CloseFault:
            return closeFaultBox();
        case Act::FieldHolds:
            return differing(QStringList{field(step.target)->text()},
                             QStringList{toQString(step.text)});
        case Act::Focus: {
            QWidget* focused = QApplication::focusWidget();
            return focused == control(step.target)
                       ? QString()
                       : QStringLiteral("the focus is on %1")
                             .arg(focused ? focused->objectName() : QStringLiteral("nothing"));
        }
        case Act::Message:
            return messageSays(toQString(step.text));
        case Act::Marked:
            return marked(toQString(step.text));
        case Act::WorkingShows:
            return workingShows(withSeparator(step.text));
        case Act::ClipboardHolds: {
            const QStringList lines =
                QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
            return lines.contains(withSeparator(step.text))
                       ? QString()
                       : QStringLiteral("the clipboard holds %1 lines, not that one")
                             .arg(lines.size());
        }
        }
        return QStringLiteral("an act this driver does not know");
    }

private:
    static std::size_t side(Target target) { return static_cast<std::size_t>(target) - 1; }
    QLineEdit* field(Target target) const { return m_shown.field(side(target)); }
    QWidget* control(Target target) const {
        switch (target) {
        case Target::Calculate:
            return m_shown.calcolo();
        case Target::Working:
            return m_shown.button(Role::OpenWorking);
        case Target::Copy:
            return working() ? working()->findChild<QPushButton*>(
                                   toQString(controlOfRole(WORKING_FORM, Role::Copy).name))
                             : nullptr;
        default:
            return field(target);
        }
    }
    QWidget* working() const {
        return m_shown.form->findChild<QWidget*>(toQString(WORKING_FORM.name));
    }

    QString clickButton(Target target) const {
        auto* button = qobject_cast<QPushButton*>(control(target));
        if (button == nullptr) {
            return QStringLiteral("no button to click");
        }
        QTest::mouseClick(button, Qt::LeftButton);
        return {};
    }

    // The message shows the text, and the notice a screen reader is given holds it.
    QString messageSays(const QString& wanted) const {
        const QString shown = m_shown.message()->text();
        if (shown != wanted) {
            return QStringLiteral("the message is \"%1\"").arg(shown);
        }
        const auto* notice = m_shown.form->findChild<QWidget*>(QStringLiteral("spokenNotice"));
        if (!wanted.isEmpty() && !notice->accessibleName().endsWith(wanted)) {
            return QStringLiteral("a screen reader is told \"%1\"").arg(notice->accessibleName());
        }
        return {};
    }

    // The picture's description names the marked condition; its pixels show the mark.
    QString marked(const QString& condition) const {
        const QString description =
            m_shown.picture(Drawing::ValidityConditions)->accessibleDescription();
        const bool wantedMark = !condition.isEmpty();
        if (wantedMark != description.contains(QStringLiteral("(%1)").arg(condition)) ||
            wantedMark == description.isEmpty()) {
            return QStringLiteral("the conditions are described as \"%1\"").arg(description);
        }
        return {};
    }

    QString workingShows(const QString& quantityTabValue) const {
        const QWidget* form = working();
        if (form == nullptr || !form->isVisible()) {
            return QStringLiteral("the working is not open");
        }
        const auto* table = form->findChild<QTableWidget*>(
            toQString(controlOfRole(WORKING_FORM, Role::Working).name));
        const QString quantity = quantityTabValue.section(QLatin1Char('\t'), 0, 0);
        const QString value = quantityTabValue.section(QLatin1Char('\t'), 1);
        for (int row = 0; row < table->rowCount(); ++row) {
            const QTableWidgetItem* name = table->item(row, 0);
            if (name != nullptr && name->text() == quantity) {
                const QString shown = table->item(row, 2)->text();
                return shown == value ? QString() : quantity + QStringLiteral(" shows ") + shown;
            }
        }
        return QStringLiteral("the working has no ") + quantity;
    }

    static QString differing(const QStringList& shown, const QStringList& wanted) {
        return shown == wanted
                   ? QString()
                   : QStringLiteral("[%1], wanted [%2]")
                         .arg(shown.join(QLatin1Char(' ')), wanted.join(QLatin1Char(' ')));
    }

    QString press(std::string_view name) const {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) {
            return QStringLiteral("nothing has the focus");
        }
        if (name == KEY_CTRL_V) {
            QGuiApplication::clipboard()->setText(QStringLiteral("77"));
        }
        const Key key = keyNamed(name);
        QTest::keyClick(focused, key.key, key.modifiers);
        return {};
    }

    QString overlapping() const {
        for (std::size_t i = 0; i < FORM2.resultLabels.size(); ++i) {
            const QLabel* label = m_shown.result(i);
            if (label->text().isEmpty()) {
                return label->objectName() + QStringLiteral(" is empty");
            }
            for (std::size_t j = i + 1; j < FORM2.resultLabels.size(); ++j) {
                if (label->geometry().intersects(m_shown.result(j)->geometry())) {
                    return label->objectName() + QStringLiteral(" overlaps ") +
                           m_shown.result(j)->objectName();
                }
            }
        }
        return {};
    }

    QString faultBoxSays(std::string_view name) const {
        const QList<QMessageBox*> boxes = m_shown.faultBoxes();
        if (boxes.size() != 1) {
            return QStringLiteral("%1 fault boxes are open").arg(boxes.size());
        }
        const QMessageBox* box = boxes.front();
        const auto* kind = std::find_if(std::begin(ALL_FAULTS), std::end(ALL_FAULTS),
                                        [&](FaultKind fault) { return faultName(fault) == name; });
        const QStringList wanted = {
            m_shown.form->windowTitle(), toQString(name),
            kind == std::end(ALL_FAULTS) ? QString() : toQString(faultExplanation(*kind)),
            QStringLiteral("OK"), QStringLiteral("modal")};
        const QAbstractButton* ok = box->button(QMessageBox::Ok);
        const QStringList shown = {
            box->windowTitle(), box->text(), box->informativeText(),
            ok != nullptr ? ok->text().remove(QLatin1Char('&')) : QString(),
            QApplication::activeModalWidget() == box ? QStringLiteral("modal") : QString()};
        return differing(shown, wanted);
    }

    QString closeFaultBox() const {
        const QList<QMessageBox*> boxes = m_shown.faultBoxes();
        if (boxes.size() != 1) {
            return QStringLiteral("%1 fault boxes are open").arg(boxes.size());
        }
        QTest::mouseClick(boxes.front()->button(QMessageBox::Ok), Qt::LeftButton);
        return m_shown.faultBoxes().isEmpty() ? QString() : QStringLiteral("the box stays open");
    }

    ShownForm& m_shown;
    QStringList m_before;
};

} // namespace

class BehaviourTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The locale the run asks for is the one the window sees; without it installed, the comma
    // locale's run would follow the point's scenarios twice.
    void runsInTheLocaleAsked() {
        const QByteArray asked = qgetenv("LC_ALL");
        if (asked.isEmpty()) {
            QSKIP("LC_ALL is unset: the scenarios of whatever locale this is are followed");
        }
        QCOMPARE(commaLocale(), asked.startsWith("it_IT"));
    }

    void scenarios_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(FORM2_BEHAVIOUR); ++i) {
            if (holdsIn(FORM2_BEHAVIOUR[i], commaLocale())) {
                QTest::newRow(std::string(FORM2_BEHAVIOUR[i].name).c_str()) << static_cast<int>(i);
            }
        }
    }

    void scenarios() {
        QFETCH(int, index);
        const Scenario& scenario = FORM2_BEHAVIOUR[static_cast<std::size_t>(index)];
        if (const KnownDeviation* known = knownDeviation(FrontEnd::Qt, scenario)) {
            QSKIP(std::string(known->reason).c_str());
        }
        ShownForm shown;
        Driver driver(shown);
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            const QString failure = driver.run(scenario.steps[i]);
            QVERIFY2(failure.isEmpty(),
                     qPrintable(QStringLiteral("step %1: %2").arg(i + 1).arg(failure)));
        }
    }
};

std::unique_ptr<QObject> makeBehaviourTest() {
    return std::make_unique<BehaviourTest>();
}

#include "behaviour_test.moc"
