// qstrip: copies a text file, leaving out every occurrence of one character.
//
//   qstrip <code> <input> <output>
//   qstrip              (the three values from param.txt)
//
// Exit codes and messages are listed in README.md beside this file.

#include "Console.h"
#include "Params.h"
#include "Strip.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

enum Exit {
    kOk = 0,
    kNoParamFile = 2,
    kWrongArgumentCount = 3,
    kCannotOpenInput = 4,
    kBadParamFile = 5,
    kSameFile = 6,
    kCannotWriteOutput = 7,
    kReadError = 8,
};

int fail(const char* message, int code) {
    qstrip::say(message, true);
    return code;
}

bool readParamFile(qstrip::Params& params, int& exitCode) {
    std::FILE* f = std::fopen("param.txt", "rb");
    if (!f) {
        qstrip::say("Parameterdatei nicht gefunden!", false);
        exitCode = kNoParamFile;
        return false;
    }
    std::string text;
    const bool read = qstrip::readText(f, text);
    std::fclose(f);
    if (!read) {
        exitCode = fail("Parameterdatei konnte nicht gelesen werden", kBadParamFile);
        return false;
    }
    switch (qstrip::parseParamFile(text, params)) {
        case qstrip::ParamError::None: return true;
        case qstrip::ParamError::TooFewItems:
            exitCode = fail("Parameterdatei unvollständig: Zeichencode, Eingabe- und Ausgabedatei erwartet",
                            kBadParamFile);
            return false;
        case qstrip::ParamError::CodeNotANumber:
            exitCode = fail("Parameterdatei fehlerhaft: der Zeichencode ist keine Zahl", kBadParamFile);
            return false;
        case qstrip::ParamError::CodeTooLong:
            exitCode = fail("Parameterdatei fehlerhaft: Zeichencode länger als 15 Zeichen", kBadParamFile);
            return false;
        case qstrip::ParamError::NameTooLong:
            exitCode = fail("Parameterdatei fehlerhaft: Dateiname länger als 63 Zeichen", kBadParamFile);
            return false;
    }
    return false;
}

// Another path to the open input (the same name, a link, "./name") would be
// emptied before a byte of it was read.
bool sameFile(const std::string& input, const std::string& output) {
    std::error_code ec;
    return std::filesystem::equivalent(input, output, ec) && !ec;
}

// A folder opens for reading on some systems and fails only at the first read;
// it counts as an input that cannot be opened.
std::FILE* openInput(const std::string& name) {
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) return nullptr;
    return std::fopen(name.c_str(), "rb");
}

}  // namespace

int main(int argc, char** argv) {
    // Under a file-size limit a write beyond it fails like one on a full disk
    // (exit code 7 and its message) instead of ending the program silently.
    std::signal(SIGXFSZ, SIG_IGN);
    qstrip::Params params;
    if (argc == 4) {
        params.strip = qstrip::decimalCode(argv[1]);
        params.input = argv[2];
        params.output = argv[3];
    } else if (argc != 1) {
        return fail("Falsche Zahl der Parameter", kWrongArgumentCount);
    } else {
        int exitCode = kOk;
        if (!readParamFile(params, exitCode)) return exitCode;
    }

    // The output is touched only once the input is open: a missing input must
    // not empty (or create) the output of an earlier run.
    std::FILE* in = openInput(params.input);
    if (!in) return fail("Datei konnte nicht geöffnet werden", kCannotOpenInput);
    if (sameFile(params.input, params.output)) {
        std::fclose(in);
        return fail("Eingabe- und Ausgabedatei sind dieselbe Datei", kSameFile);
    }
    std::FILE* out = std::fopen(params.output.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return fail("Ausgabedatei konnte nicht geschrieben werden", kCannotWriteOutput);
    }

    const qstrip::CopyResult result = qstrip::stripCopy(in, out, params.strip);
    std::fclose(in);
    const bool closed = std::fclose(out) == 0;
    if (result == qstrip::CopyResult::WriteFailed || !closed)
        return fail("Ausgabedatei konnte nicht geschrieben werden", kCannotWriteOutput);
    if (result == qstrip::CopyResult::ReadFailed) return fail("Fehler beim Lesen der Eingabedatei", kReadError);
    return kOk;
}
