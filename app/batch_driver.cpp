// SPDX-License-Identifier: MIT
#include "batch_driver.h"

#include "arithmetic_fault.h"
#include "calculate_from_texts.h"
#include "calculate_with_elements.h"
#include "line_reader.h"
#include "output_sink.h"

#include <array>
#include <cstdio>
#include <system_error>

namespace zirev1 {
namespace {

std::array<std::string_view, 3> splitFields(std::string_view line) {
    std::array<std::string_view, 3> fields;
    for (std::size_t i = 0; i < 2; ++i) {
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos) {
            fields[i] = line;
            return fields;
        }
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab + 1);
    }
    fields[2] = line;
    return fields;
}

void putTabSeparated(OutputSink& out, const auto& texts) {
    bool first = true;
    for (const std::string& text : texts) {
        if (!first) {
            out.put('\t');
        }
        out.write(text);
        first = false;
    }
}

void answer(OutputSink& out, std::string_view line, std::string_view decimalSeparator) {
    const auto [a, b, c] = splitFields(line);
    const auto result = calculateFromTexts(a, b, c, decimalSeparator);
    if (result.faulted()) {
        out.write(faultName(result.fault()));
    } else if (*result) {
        putTabSeparated(out, (*result)->texts);
    }
}

void answerWithElements(OutputSink& out, std::string_view line, std::string_view decimalSeparator) {
    const auto [a, b, c] = splitFields(line);
    const auto result = calculateWithElements(a, b, c, decimalSeparator);
    if (result.faulted()) {
        out.write(faultName(result.fault()));
    } else if (*result) {
        putTabSeparated(out, (*result)->results.texts);
        out.put('\t');
        putTabSeparated(out, (*result)->elements.texts);
    }
}

} // namespace

int runBatch(int inputFd, int outputFd, std::string_view decimalSeparator, BatchAnswer kind) {
    LineReader reader(inputFd, MAX_BATCH_LINE_LENGTH);
    OutputSink out(outputFd);
    try {
        while (const auto line = reader.next()) {
            if (line->tooLong) {
                out.write("Riga troppo lunga");
            } else {
                (kind == BatchAnswer::WithElements ? answerWithElements : answer)(out, line->text,
                                                                                  decimalSeparator);
            }
            out.put('\n');
            // Answer each line at once when the input comes slowly (a person typing).
            if (reader.bufferEmpty()) {
                out.flush();
            }
            if (out.closed() || out.failed()) {
                break;
            }
        }
    } catch (const std::system_error& error) {
        out.flush();
        std::fprintf(stderr, "zirev1-calc: lettura non riuscita: %s\n", error.what());
        return 74;
    }
    out.flush();
    if (out.failed()) {
        std::fputs("zirev1-calc: scrittura non riuscita\n", stderr);
        return 74;
    }
    return 0; // a reader that closed the pipe early is not an error
}

} // namespace zirev1
