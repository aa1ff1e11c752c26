// SPDX-License-Identifier: MIT
#include "form2.h"

#include "arithmetic_fault.h"
#include "briggs_formulas.h"
#include "calculate_from_texts.h"
#include "caption_label.h"
#include "fonts.h"
#include "side_key_filter.h"
#include "triangle_figure.h"
#include "twips.h"
#include "validity_conditions.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QResource>

#include <cstring>
#include <limits>
#include <optional>

namespace zirev1 {
namespace {

const QColor BLUE(0, 0, 255);

// Captions fixed at start. All are autosized, so the width and height only say where the
// caption first stood; the caption's own size wins.
struct StaticLabel {
    const char* name;
    const char* caption; // UTF-8
    int left, top, width, height;
    qreal pointSize;
    bool blue;
};

constexpr StaticLabel STATIC_LABELS[] = {
    {"Label1", "Sui triangoli qualunque", 1200, 360, 12660, 1170, 48, true},
    {"Label24", "Soluzioni con precisioni angolari di 1''", 1440, 1800, 8595, 555, 24, true},
    {"Label4", "Elementi dati: 3 lati ", 240, 2400, 2745, 360, DEFAULT_POINT_SIZE, false},
    {"Label8", "lati", 2280, 3600, 405, 360, DEFAULT_POINT_SIZE, false},
    {"Label3", "a", 3240, 4320, 180, 360, DEFAULT_POINT_SIZE, true},
    {"Label6", "b", 3240, 5040, 195, 360, DEFAULT_POINT_SIZE, true},
    {"Label10", "c", 3240, 5760, 165, 345, GREEK_POINT_SIZE, true},
    {"Label5", "Sup.=", 9240, 4440, 840, 360, DEFAULT_POINT_SIZE, false},
    {"Label16", "h =", 9255, 5040, 465, 360, DEFAULT_POINT_SIZE, false},
    {"Label28", "2 p =", 9240, 5520, 720, 360, DEFAULT_POINT_SIZE, false},
    {"Label21", "    Gradi             Primi            Secondi", 9360, 6720, 3705, 240,
     SMALL_POINT_SIZE, false},
    {"Label17", "α =", 9000, 7200, 465, 345, GREEK_POINT_SIZE, false},
    {"Label25", "β =", 9000, 7800, 435, 345, GREEK_POINT_SIZE, false},
    {"Label9", "γ =", 9000, 8400, 390, 345, GREEK_POINT_SIZE, false},
    {"Label29", "KWZ 2017", 12960, 10200, 1020, 240, SMALL_POINT_SIZE, false},
};

// The result labels in the order their texts are written.
struct ResultLabel {
    const char* name;
    const char* description; // what a screen reader says the value is
    int left, top, width, height;
    bool autoSize;
};

constexpr ResultLabel RESULT_LABELS[] = {
    {"Label18", "α, gradi", 9720, 7200, 105, 360, true},
    {"Label19", "α, primi", 11100, 7200, 105, 360, true},
    {"Label20", "α, secondi", 12480, 7200, 1110, 360, false},
    {"Label22", "β, gradi", 9720, 7800, 105, 360, true},
    {"Label23", "β, primi", 11100, 7800, 105, 360, true},
    {"Label26", "β, secondi", 12480, 7800, 1110, 360, false},
    {"Label12", "γ, gradi", 9720, 8400, 1110, 360, false},
    {"Label13", "γ, primi", 11100, 8400, 1110, 360, false},
    {"Label14", "γ, secondi", 12480, 8400, 1110, 360, false},
    {"Label7", "Altezza h su a", 9840, 5040, 105, 360, true},
    {"Label11", "Superficie", 10200, 4440, 105, 360, true},
    {"Label15", "Perimetro", 10680, 5520, 105, 360, true},
};

// The application's icon, from the raw pixels rendered at build time.
QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        const QResource pixels(QStringLiteral(":/icons/zirev1-%1.argb").arg(size));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        if (pixels.uncompressedSize() == image.sizeInBytes()) {
            std::memcpy(image.bits(), pixels.data(), static_cast<std::size_t>(image.sizeInBytes()));
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace

QString faultExplanation(FaultKind fault) {
    return fault == FaultKind::Overflow
               ? QStringLiteral("Un lato, o un risultato intermedio, è troppo grande.")
               : QStringLiteral("I lati sono troppo piccoli per il calcolo.");
}

namespace {

// A modal box that names the fault and says, in a line, what it means for the sides typed.
void showFaultBox(QWidget* parent, FaultKind fault) {
    const std::string_view name = faultName(fault);
    QMessageBox box(QMessageBox::Critical, QStringLiteral("zirev1."),
                    QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                    QMessageBox::Ok, parent);
    QFont dialogFont = windowFont(SMALL_POINT_SIZE);
    dialogFont.setWeight(QFont::Normal); // an ordinary dialog, not the window's heavy captions
    box.setFont(dialogFont);
    box.setInformativeText(faultExplanation(fault));
    // QMessageBox sizes itself by its short main text and would wrap the explanation into a
    // narrow column; a spacer in its grid gives it room for a line or two.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        grid->addItem(new QSpacerItem(340, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

// The character code a key event types, or nothing for keys that type no character (arrows,
// Delete, Home, Tab between controls). Ctrl with a letter types its control character (Ctrl+C
// is 3) even where the platform sends no text for it.
std::optional<QString> typedText(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    if (!key.text().isEmpty()) {
        return key.text();
    }
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A &&
        key.key() <= Qt::Key_Z) {
        return QString(QChar(key.key() - Qt::Key_A + 1));
    }
    return std::nullopt;
}

} // namespace

Form2::Form2(QWidget* parent) : QWidget(parent), m_reportFault(showFaultBox) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("zirev1."));
    setWindowIcon(applicationIcon());
    setFont(windowFont(DEFAULT_POINT_SIZE));
    // The restored size; the window opens maximized to show every control.
    resize(twipsToPixels(4680), twipsToPixels(3195));

    createStaticLabels();
    createSideFields();

    Command1 = new QPushButton(QStringLiteral("Calcolo"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(10080, 3360, 2055, 495));
    Command1->setAutoDefault(false); // Enter never presses it; Space on it does
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    createResultLabels();
    createPictures();

    setTabOrder(Command1, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text4);
    Command1->setFocus();
}

void Form2::setFaultReporter(FaultReporter reporter) {
    m_reportFault = std::move(reporter);
}

void Form2::createStaticLabels() {
    for (const StaticLabel& entry : STATIC_LABELS) {
        auto* label = new CaptionLabel(twipsRect(entry.left, entry.top, entry.width, entry.height),
                                       true, this);
        label->setObjectName(QLatin1String(entry.name));
        label->setFont(windowFont(entry.pointSize));
        label->setCaption(QString::fromUtf8(entry.caption));
        if (entry.blue) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, BLUE);
            label->setPalette(palette);
        }
    }
}

QLineEdit* Form2::createSideField(const char* name, const QString& accessibleName, int top) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QLatin1String(name));
    field->setAccessibleName(accessibleName);
    field->setGeometry(twipsRect(1920, top, 1215, 495));
    field->setFont(windowFont(12));
    field->setMaxLength(std::numeric_limits<int>::max()); // no limit: a paste is never cut short
    field->installEventFilter(this);
    return field;
}

void Form2::createSideFields() {
    Text1 = createSideField("Text1", QStringLiteral("Lato a"), 4200);
    Text2 = createSideField("Text2", QStringLiteral("Lato b"), 4920);
    Text4 = createSideField("Text4", QStringLiteral("Lato c"), 5640);
}

void Form2::createResultLabels() {
    for (std::size_t i = 0; i < m_resultLabels.size(); ++i) {
        const ResultLabel& entry = RESULT_LABELS[i];
        auto* label = new CaptionLabel(twipsRect(entry.left, entry.top, entry.width, entry.height),
                                       entry.autoSize, this);
        label->setObjectName(QLatin1String(entry.name));
        label->setCaption(QString());
        label->setAccessibleDescription(QString::fromUtf8(entry.description));
        m_resultLabels[i] = label;
    }
}

// Created last, in this order, so that the formulas lie above the triangle figure (their heading
// stays whole) and the validity conditions above the angle results, which show through it.
void Form2::createPictures() {
    const QRect image1 = twipsRect(4560, 3000, 4335, 4365);
    const QRect image2 = twipsRect(360, 6840, 5550, 4020);
    new TriangleFigure(image1.topLeft(), this);
    new BriggsFormulas(image2.topLeft(), this);
    new ValidityConditions(twipsRect(6360, 7560, 9645, 1635), this);
}

void Form2::Command1_Click() {
    const auto results =
        calculateFromTexts(Text1->text().toStdString(), Text2->text().toStdString(),
                           Text4->text().toStdString(), QLocale().decimalPoint().toStdString());
    if (results.faulted()) {
        m_reportFault(this, results.fault());
        return;
    }
    if (!*results) {
        return;
    }
    for (std::size_t i = 0; i < m_resultLabels.size(); ++i) {
        m_resultLabels[i]->setCaption(QString::fromStdString((*results)->texts[i]));
    }
}

void Form2::text1_KeyPress(std::int16_t& keyAscii) {
    cancelUnlessSideKey(keyAscii);
}

void Form2::text2_KeyPress(std::int16_t& keyAscii) {
    cancelUnlessSideKey(keyAscii);
}

void Form2::text4_KeyPress(std::int16_t& keyAscii) {
    cancelUnlessSideKey(keyAscii);
}

Form2::KeyPressHandler Form2::keyPressHandlerFor(const QObject* field) const {
    if (field == Text1) {
        return &Form2::text1_KeyPress;
    }
    if (field == Text2) {
        return &Form2::text2_KeyPress;
    }
    if (field == Text4) {
        return &Form2::text4_KeyPress;
    }
    return nullptr;
}

// The characters of a typed or committed text that the field's handler lets through. Backspace
// passes the handler as the key that deletes; inside a text to insert it would be a stray control
// character, so it is kept only when it is the whole keystroke.
QString Form2::acceptedCharacters(const QString& typed, KeyPressHandler handler) {
    QString accepted;
    for (const QChar ch : typed) {
        auto keyAscii = static_cast<std::int16_t>(ch.unicode());
        (this->*handler)(keyAscii);
        if (keyAscii != 0 && (keyAscii != '\b' || typed.size() == 1)) {
            accepted += QChar(static_cast<char16_t>(keyAscii));
        }
    }
    return accepted;
}

// Each character typed into a side field passes its field's handler before the field sees it,
// whether it comes from a key or is committed by an input method.
bool Form2::eventFilter(QObject* watched, QEvent* event) {
    const KeyPressHandler handler = keyPressHandlerFor(watched);
    if (handler == nullptr) {
        return QWidget::eventFilter(watched, event);
    }
    auto* field = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto typed = typedText(*static_cast<QKeyEvent*>(event));
        if (!typed) {
            return false;
        }
        const QString accepted = acceptedCharacters(*typed, handler);
        if (accepted == *typed) {
            return false; // the field handles it as usual, backspace included
        }
        if (!accepted.isEmpty()) {
            field->insert(accepted);
        }
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        const QString& commit = input->commitString();
        const QString accepted = commit.size() == 1 && commit.front() == QLatin1Char('\b')
                                     ? QString()
                                     : acceptedCharacters(commit, handler);
        if (accepted == commit) {
            return false;
        }
        QInputMethodEvent filtered(input->preeditString(), input->attributes());
        filtered.setCommitString(accepted, input->replacementStart(), input->replacementLength());
        field->removeEventFilter(this);
        QCoreApplication::sendEvent(field, &filtered);
        field->installEventFilter(this);
        return true;
    }
    return false;
}

} // namespace zirev1
