#include "app/CommandLine.h"

#include <QCommandLineParser>

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("DATEI"),
                                 QStringLiteral("Die Szenendatei, die nach dem Start geöffnet wird."));
    CommandLine result;
    if (!parser.parse(arguments)) {
        for (const QString& name : parser.unknownOptionNames())
            result.errors << QStringLiteral("Die Option „%1%2“ gibt es nicht.")
                                 .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
        if (result.errors.isEmpty()) result.errors << parser.errorText();
    }
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) result.files << files.front();
    if (files.size() > 1)
        result.errors << QStringLiteral("Es wird nur eine Szene geöffnet, „%1“; nicht geöffnet: „%2“.")
                             .arg(files.front(), files.mid(1).join(QStringLiteral("“, „")));
    return result;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return ParseCommandLine(arguments);
}
