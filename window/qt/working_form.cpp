// SPDX-License-Identifier: MIT
#include "working_form.h"

#include "caption_label.h"
#include "fonts.h"
#include "form_button.h"
#include "picture_widget.h"
#include "qt_conversions.h"
#include "sheet_printing.h"
#include "working_form_description.h"
#include "working_table.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>

namespace zirev1 {

WorkingForm::WorkingForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(toQString(WORKING_FORM.name));
    setWindowTitle(toQString(WORKING_FORM.title));
    setFont(windowFont(WORKING_FORM.defaultFont.pointSize));
    setFixedSize(twipsToPixels(WORKING_FORM.restoredClientSize.width),
                 twipsToPixels(WORKING_FORM.restoredClientSize.height));
    for (const Control& control : WORKING_FORM.controls) {
        createControl(control);
    }
    QWidget* previous = nullptr;
    for (const Control* control : tabOrder(WORKING_FORM)) {
        QWidget* next = findChild<QWidget*>(toQString(control->name));
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

void WorkingForm::createControl(const Control& control) {
    switch (control.kind) {
    case ControlKind::Label:
        new CaptionLabel(control, this);
        return;
    case ControlKind::Picture:
        m_figure = new PictureWidget(control, this);
        return;
    case ControlKind::Table: {
        m_table = new QTableWidget(0, static_cast<int>(std::size(WORKING_COLUMNS)), this);
        m_table->setObjectName(toQString(control.name));
        m_table->setAccessibleName(toQString(control.accessibleName));
        m_table->setGeometry(toQRect(control.startPlace()));
        m_table->setFont(windowFont(control.font.pointSize));
        QStringList headings;
        for (const std::string_view column : WORKING_COLUMNS) {
            headings << toQString(column);
        }
        m_table->setHorizontalHeaderLabels(headings);
        m_table->verticalHeader()->hide();
        m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // The quantity and its value always in sight; the formula takes the rest and wraps.
        QHeaderView* header = m_table->horizontalHeader();
        header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        header->setSectionResizeMode(1, QHeaderView::Stretch);
        header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
        m_table->setWordWrap(true);
        m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return;
    }
    case ControlKind::Button: {
        QPushButton* button = createFormButton(control, this);
        if (control.role == Role::Copy) {
            connect(button, &QPushButton::clicked, this, &WorkingForm::Command3_Click);
        } else if (control.role == Role::Print) {
            connect(button, &QPushButton::clicked, this, &WorkingForm::Command4_Click);
        } else if (control.role == Role::SavePdf) {
            connect(button, &QPushButton::clicked, this, &WorkingForm::Command5_Click);
        }
        return;
    }
    case ControlKind::Field:
        return; // the working has none
    }
}

void WorkingForm::showWorking(const WindowCalculation& calculation,
                              const std::string& decimalSeparator,
                              const std::array<std::string, 3>& sideTexts) {
    m_calculation = calculation;
    m_separator = decimalSeparator;
    m_sideTexts = sideTexts;
    m_sections = workingSections(calculation, decimalSeparator);
    int rows = 0;
    for (const WorkingSection& section : m_sections) {
        rows += 1 + static_cast<int>(section.rows.size());
    }
    m_table->clearSpans();
    m_table->setRowCount(rows);
    QFont headingFont = m_table->font();
    headingFont.setUnderline(true);
    int row = 0;
    const auto item = [](const std::string& text) {
        return new QTableWidgetItem(QString::fromStdString(text));
    };
    for (const WorkingSection& section : m_sections) {
        QTableWidgetItem* heading = item(section.heading);
        heading->setFont(headingFont);
        m_table->setItem(row, 0, heading);
        m_table->setItem(row, 1, item({}));
        m_table->setItem(row, 2, item({}));
        m_table->setSpan(row, 0, 1, 3);
        ++row;
        for (const WorkingRow& line : section.rows) {
            m_table->setItem(row, 0, item(line.quantity));
            m_table->setItem(row, 1, item(line.working));
            m_table->setItem(row, 2, item(line.value));
            ++row;
        }
    }
    m_table->resizeRowsToContents();
    m_figure->setInput({std::nullopt, calculation.sides}, {});
}

void WorkingForm::Command3_Click() {
    auto* table = new QMimeData;
    table->setText(QString::fromStdString(workingTabSeparated(m_sections)));
    table->setHtml(QString::fromStdString(workingHtmlTable(m_sections)));
    QApplication::clipboard()->setMimeData(table);
}

PrintSheet WorkingForm::sheet() const {
    const QDate today = QDate::currentDate();
    return {m_sideTexts, m_calculation.value_or(WindowCalculation{}),
            italianDate(today.day(), today.month(), today.year()), m_separator};
}

void WorkingForm::Command4_Click() {
    auto* printer = new QPrinter(QPrinter::HighResolution);
    auto* dialog = new QPrintDialog(printer, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, printer] { paintSheet(*printer, sheet()); });
    connect(dialog, &QObject::destroyed, this, [printer] { delete printer; });
    dialog->open();
}

void WorkingForm::Command5_Click() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Salva come PDF"),
        QDir::home().filePath(QStringLiteral("triangolo.pdf")), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty() && !writeSheetPdf(path, sheet())) {
        QMessageBox::warning(this, toQString(WORKING_FORM.title),
                             QStringLiteral("Il file %1 non si può scrivere.").arg(path));
    }
}

} // namespace zirev1
