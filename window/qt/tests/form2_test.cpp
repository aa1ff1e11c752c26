// SPDX-License-Identifier: MIT
#include "window_test_support.h"

#include <QAccessible>
#include <QLocale>
#include <QScreen>

#include <memory>

using zirev1::testing::ShownForm;

namespace {

const QSize RESTORED_SIZE(zirev1::twipsToPixels(zirev1::FORM2.restoredClientSize.width),
                          zirev1::twipsToPixels(zirev1::FORM2.restoredClientSize.height));

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void window() {
        ShownForm shown;
        QCOMPARE(shown.form->windowTitle(), QStringLiteral("zirev1."));
        QVERIFY(shown.form->isMaximized());
        QCOMPARE(shown.form->normalGeometry().size(), RESTORED_SIZE);
        QVERIFY(shown.form->layout() == nullptr);
    }

    // With or without a window manager to maximize it, the window covers the screen's available
    // area, and its restored size stays the design client area. (Run also on a bare X display.)
    void coversTheAvailableArea() {
        ShownForm shown;
        const QRect available = shown.form->screen()->availableGeometry();
        QTRY_COMPARE(shown.form->frameGeometry().united(available), available);
        QTRY_VERIFY(shown.form->width() >= available.width() * 9 / 10);
        QTRY_VERIFY(shown.form->height() >= available.height() * 9 / 10);
        QCOMPARE(shown.form->normalGeometry().size(), RESTORED_SIZE);
    }

    // A screen reader walks the window's accessibility tree: the fields and the button by their
    // Italian names, and after "Calcolo" each result by its value and description.
    void accessibilityTree() {
        ShownForm shown;
        shown.setSides("3", "4", "5");
        shown.clickCalcolo();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(shown.form.get());
        QVERIFY(window != nullptr);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("zirev1."));
        QMap<QString, QAccessible::Role> named;
        QMap<QString, QString> results; // description -> value
        for (int i = 0; i < window->childCount(); ++i) {
            QAccessibleInterface* child = window->child(i);
            named.insert(child->text(QAccessible::Name), child->role());
            if (!child->text(QAccessible::Description).isEmpty()) {
                results.insert(child->text(QAccessible::Description),
                               child->text(QAccessible::Name));
            }
        }
        QCOMPARE(named.value("Lato a"), QAccessible::EditableText);
        QCOMPARE(named.value("Lato b"), QAccessible::EditableText);
        QCOMPARE(named.value("Lato c"), QAccessible::EditableText);
        QCOMPARE(named.value("Calcolo"), QAccessible::Button);
        QCOMPARE(results.size(), 12);
        for (std::size_t i = 0; i < zirev1::FORM2.resultLabels.size(); ++i) {
            const zirev1::Control& result = zirev1::resultLabel(zirev1::FORM2, i);
            QVERIFY(!shown.result(i)->text().isEmpty());
            QCOMPARE(results.value(zirev1::toQString(result.accessibleDescription)),
                     shown.result(i)->text());
        }
    }

    void windowIcon() {
        ShownForm shown;
        const QIcon icon = shown.form->windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
        QVERIFY(!icon.pixmap(48).toImage().isNull());
    }

    // Controls never move or resize with the window.
    void controlsStayWhenTheWindowShrinks() {
        ShownForm shown;
        QList<QRect> before;
        for (QWidget* child : shown.form->findChildren<QWidget*>()) {
            before << child->geometry();
        }
        shown.form->showNormal();
        shown.form->resize(200, 150);
        QList<QRect> after;
        for (QWidget* child : shown.form->findChildren<QWidget*>()) {
            after << child->geometry();
        }
        QCOMPARE(after, before);
    }
};

std::unique_ptr<QObject> makeForm2Test() {
    return std::make_unique<Form2Test>();
}

#include "form2_test.moc"
