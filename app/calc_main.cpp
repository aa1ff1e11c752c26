// SPDX-License-Identifier: MIT
// zirev1-calc: the triangle calculation without the window.

#include "arithmetic_fault.h"
#include "batch_driver.h"
#include "calculate_from_texts.h"
#include "calculate_with_elements.h"
#include "decimal_separator.h"
#include "output_sink.h"
#include "standard_streams.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int EXIT_NO_SOLUTION = 1;
constexpr int EXIT_FAULT = 2;
constexpr int EXIT_USAGE = 64; // EX_USAGE

constexpr std::string_view USAGE =
    "Uso: zirev1-calc A B C\n"
    "     zirev1-calc < triangoli.tsv\n"
    "     zirev1-calc --elements A B C\n"
    "     zirev1-calc --elements < triangoli.tsv\n"
    "\n"
    "Risolve un triangolo qualunque dai tre lati a, b, c (formule di Briggs e di Erone).\n"
    "\n"
    "Con tre argomenti, i lati come testi dei campi (anche vuoti o che iniziano con \"-\"):\n"
    "stampa dodici righe: gradi, primi e secondi di alfa, beta e gamma, poi altezza h su a,\n"
    "superficie e perimetro. Esce con 0; con 1 se i lati non formano un triangolo (nulla\n"
    "stampato); con 2 su errore aritmetico (\"Overflow\" o \"Divisione per zero\" su stderr).\n"
    "\n"
    "Senza argomenti legge lo standard input: ogni riga, tre testi separati da tabulazioni;\n"
    "per ogni riga una riga: i dodici testi separati da tabulazioni, una riga vuota se non c'è\n"
    "soluzione, o il nome dell'errore. Le righe oltre 1 MiB ricevono \"Riga troppo lunga\".\n"
    "\n"
    "Con --elements, dopo i dodici testi, tutti gli elementi del triangolo, in quest'ordine:\n"
    "  p, p-a, p-b, p-c;\n"
    "  per alfa, poi beta, poi gamma: tan(alfa/2); alfa/2 in gradi, gon, radianti; alfa in\n"
    "    gradi, gon, radianti; alfa in gradi, primi, secondi con il riporto (89 59 60\n"
    "    diventa 90 0 0);\n"
    "  alfa+beta+gamma in gradi e in gon; le altezze su a, b, c; le mediane relative ad\n"
    "  a, b, c; le bisettrici di alfa, beta, gamma; il raggio inscritto r e il circoscritto R;\n"
    "  i raggi exinscritti relativi ad a, b, c; acutangolo, rettangolo o ottusangolo;\n"
    "  scaleno, isoscele o equilatero. Gradi e gon con quattro decimali, radianti e tangenti\n"
    "  con sei, le lunghezze come le misure. Lati tanto piccoli da dare superficie 0 danno\n"
    "  \"Divisione per zero\" (il raggio R divide per la superficie).\n"
    "\n"
    "I lati si leggono sempre con il punto decimale; le misure usano il separatore decimale\n"
    "della lingua dell'utente (LC_ALL, LC_NUMERIC, LANG).\n"
    "\n"
    "Opzioni (solo come unico argomento; --elements anche prima dei tre lati):\n"
    "  --elements anche gli elementi del triangolo\n"
    "  --help     questo aiuto\n"
    "  --version  la versione\n";

void putLines(zirev1::OutputSink& out, const auto& texts) {
    for (const std::string& text : texts) {
        out.write(text);
        out.put('\n');
    }
}

// A reader that has closed the output early is no failure.
int finish(zirev1::OutputSink& out) {
    return out.flush() || out.closed() ? 0 : 74;
}

int writeOut(std::string_view text) {
    zirev1::OutputSink out(STDOUT_FILENO);
    out.write(text);
    return finish(out);
}

int reportFault(zirev1::FaultKind kind) {
    const std::string_view name = zirev1::faultName(kind);
    std::fprintf(stderr, "%.*s\n", static_cast<int>(name.size()), name.data());
    return EXIT_FAULT;
}

int calculateOne(const char* a, const char* b, const char* c) {
    const auto result = zirev1::calculateFromTexts(a, b, c, zirev1::userDecimalSeparator());
    if (result.faulted()) {
        return reportFault(result.fault());
    }
    if (!*result) {
        return EXIT_NO_SOLUTION;
    }
    zirev1::OutputSink out(STDOUT_FILENO);
    putLines(out, (*result)->texts);
    return finish(out);
}

int calculateWithElements(const char* a, const char* b, const char* c) {
    const auto result = zirev1::calculateWithElements(a, b, c, zirev1::userDecimalSeparator());
    if (result.faulted()) {
        return reportFault(result.fault());
    }
    if (!*result) {
        return EXIT_NO_SOLUTION;
    }
    zirev1::OutputSink out(STDOUT_FILENO);
    putLines(out, (*result)->results.texts);
    putLines(out, (*result)->elements.texts);
    return finish(out);
}

} // namespace

int main(int argc, char** argv) {
    // A reader that closes the output early ends the output quietly.
    zirev1::prepareStandardStreams();

    const bool elements = argc > 1 && std::string_view(argv[1]) == "--elements";
    if (argc == 1 || (elements && argc == 2)) {
        return zirev1::runBatch(STDIN_FILENO, STDOUT_FILENO, zirev1::userDecimalSeparator(),
                                elements ? zirev1::BatchAnswer::WithElements
                                         : zirev1::BatchAnswer::TwelveTexts);
    }
    if (argc == 4) {
        return calculateOne(argv[1], argv[2], argv[3]);
    }
    if (elements && argc == 5) {
        return calculateWithElements(argv[2], argv[3], argv[4]);
    }
    if (argc == 2 && std::string_view(argv[1]) == "--help") {
        return writeOut(USAGE);
    }
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        return writeOut("zirev1-calc " ZIREV1_VERSION "\n");
    }
    std::fputs(USAGE.data(), stderr);
    return EXIT_USAGE;
}
