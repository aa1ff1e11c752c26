// SPDX-License-Identifier: MIT
#include "working_table.h"

#include <string_view>

namespace zirev1 {
namespace {

std::string cell(std::string_view text) {
    std::string plain(text);
    for (char& ch : plain) {
        if (ch == '\t' || ch == '\r' || ch == '\n') {
            ch = ' ';
        }
    }
    return plain;
}

std::string escaped(std::string_view text) {
    std::string html;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += ch;
        }
    }
    return html;
}

} // namespace

std::string workingTabSeparated(std::span<const WorkingSection> sections) {
    std::string table;
    const auto line = [&](std::string_view first, std::string_view second, std::string_view third) {
        table += cell(first) + "\t" + cell(second) + "\t" + cell(third) + "\r\n";
    };
    line(WORKING_COLUMNS[0], WORKING_COLUMNS[1], WORKING_COLUMNS[2]);
    for (const WorkingSection& section : sections) {
        table += cell(section.heading) + "\r\n";
        for (const WorkingRow& row : section.rows) {
            line(row.quantity, row.working, row.value);
        }
    }
    return table;
}

std::string workingHtmlTable(std::span<const WorkingSection> sections) {
    std::string html = "<table><thead><tr>";
    for (const std::string_view column : WORKING_COLUMNS) {
        html += "<th>" + escaped(column) + "</th>";
    }
    html += "</tr></thead><tbody>";
    for (const WorkingSection& section : sections) {
        html += "<tr><th colspan=\"3\">" + escaped(section.heading) + "</th></tr>";
        for (const WorkingRow& row : section.rows) {
            html += "<tr><td>" + escaped(row.quantity) + "</td><td>" + escaped(row.working) +
                    "</td><td>" + escaped(row.value) + "</td></tr>";
        }
    }
    return html + "</tbody></table>";
}

} // namespace zirev1
