#include "gui/app/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

#include "gui/Version.h"

namespace {

// Every option once: the parser and the help text are built from this.
struct OptionRow {
    QStringList names;
    QString valueName;  // empty: a switch
    QString description;
};

const QList<OptionRow>& optionRows() {
    static const QList<OptionRow> options = {
        {{"h", "help"}, {}, QStringLiteral("Zeigt diese Hilfe und beendet das Programm.")},
        {{"v", "version"}, {}, QStringLiteral("Zeigt die Version und beendet das Programm.")},
        {{"export"},
         QStringLiteral("AUSGABE"),
         QStringLiteral("Schreibt das Bild der Szene DATEI nach AUSGABE und beendet das Programm, ohne ein "
                        "Fenster zu zeigen (auch ohne Bildschirm). Die Endung wählt das Format: .png, .svg, "
                        ".pdf oder .tex (LaTeX/TikZ).")},
        {{"scale"},
         QStringLiteral("N"),
         QStringLiteral("Mit --export: Auflösung eines PNG-Bildes als Vielfaches der Bildschirmgröße, 1 bis 4 "
                        "(Standard: 1).")},
        {{"width-cm"},
         QStringLiteral("W"),
         QStringLiteral("Mit --export: Breite des Bildes in Zentimetern für PDF und TikZ (Standard: 12).")},
        {{"tikz-standalone"},
         {},
         QStringLiteral("Mit --export und .tex: ein vollständiges LaTeX-Dokument statt einer einzelnen "
                        "tikzpicture-Umgebung.")},
        {{"sheet"},
         QStringLiteral("ART"),
         QStringLiteral("Mit --export: statt des Bildes ein Arbeitsblatt mit der Figur (Breite --width-cm) und "
                        "den gegebenen Objekten, als PDF (.pdf) oder LaTeX-Dokument (.tex). ART ist aufgabe "
                        "(Aufgabenblatt) oder loesung (Lösungsblatt: dazu die Ergebnisse und Rechenwege des "
                        "Ausgabefensters).")},
        {{"title"},
         QStringLiteral("TEXT"),
         QStringLiteral("Mit --sheet: die Überschrift des Arbeitsblatts (Standard: der Name der Szenendatei).")},
    };
    return options;
}

const QString kFileArgument = QStringLiteral("DATEI");
const QString kFileDescription =
    QStringLiteral("Die Szenendatei (.spatium), die nach dem Start geöffnet wird; mit --export die Szene, "
                   "deren Bild geschrieben wird. Ein Dateiname, der mit „-“ beginnt, steht hinter „--“.");

QString optionSpelling(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

QString quoted(const QString& text) { return QStringLiteral("„") + text + QStringLiteral("“"); }

// The parser's own errors besides unknown options, in German. Its texts are
// English until a translator exists, which it cannot before the application.
QString germanParseError(const QString& errorText) {
    static const QRegularExpression named(QStringLiteral("'([^']*)'"));
    const QString option = named.match(errorText).captured(1);
    if (errorText.startsWith(QLatin1String("Missing value")))
        return QStringLiteral("Nach der Option %1 fehlt ihr Wert.").arg(quoted(option));
    if (errorText.startsWith(QLatin1String("Unexpected value")))
        return QStringLiteral("Die Option %1 nimmt keinen Wert.").arg(quoted(option));
    return errorText;
}

// `start`, then `text` wrapped at word boundaries into lines of at most 80
// characters, each further line indented to `column`; ends with a newline.
QString wrapped(const QString& start, const QString& text, int column) {
    constexpr int kWidth = 80;
    QString result = start;
    qsizetype used = start.size();
    bool first = true;
    for (const QString& word : text.split(QLatin1Char(' '))) {
        if (!first && used + 1 + word.size() > kWidth) {
            result += QLatin1Char('\n') + QString(column, QLatin1Char(' '));
            used = column;
        } else if (!first) {
            result += QLatin1Char(' ');
            ++used;
        }
        result += word;
        used += word.size();
        first = false;
    }
    return result + QLatin1Char('\n');
}

// The parser reads "-szene.spatium" as the short options -s, -z, -e ...:
// one message for each such word instead of one per letter, with the way
// to give a file name that begins with a dash.
QStringList unknownOptionErrors(const QStringList& arguments, const QStringList& unknownNames,
                                const QStringList& spellings) {
    QStringList errors;
    QStringList letters;  // unknown names already reported as part of a word
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--")) break;
        if (argument.size() <= 2 || !argument.startsWith(QLatin1Char('-')) || argument[1] == QLatin1Char('-') ||
            spellings.contains(argument))
            continue;
        QStringList word;
        for (const QChar ch : argument.mid(1)) word << QString(ch);
        if (std::none_of(word.begin(), word.end(), [&](const QString& c) { return unknownNames.contains(c); }))
            continue;  // valid short options written together
        errors << QStringLiteral("Die Option %1 gibt es nicht. Ist es ein Dateiname, gehört er hinter „--“, zum "
                                 "Beispiel: spatium -- %2")
                      .arg(quoted(argument), argument);
        letters += word;
    }
    for (const QString& name : unknownNames)
        if (!letters.contains(name)) errors << QStringLiteral("Die Option %1 gibt es nicht.").arg(quoted(optionSpelling(name)));
    return errors;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    QStringList spellings;  // every way an option is written
    for (const OptionRow& option : optionRows()) {
        parser.addOption(QCommandLineOption(option.names, option.description, option.valueName));
        for (const QString& name : option.names) spellings << optionSpelling(name);
    }
    parser.addPositionalArgument(kFileArgument, kFileDescription);

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.errors = unknownOptionErrors(arguments, parser.unknownOptionNames(), spellings);
        if (result.errors.isEmpty()) result.errors << germanParseError(parser.errorText());
        return result;
    }
    for (const OptionRow& option : optionRows()) {
        const QString& name = option.names.last();
        if (option.valueName.isEmpty()) continue;
        const QStringList values = parser.values(name);
        if (values.size() > 1)
            result.errors << QStringLiteral("Die Option %1 ist mehrfach angegeben.").arg(quoted(optionSpelling(name)));
        // "--export --scale 2": the parser took the next option as the value.
        else if (values.size() == 1 && spellings.contains(values.front()))
            result.errors << QStringLiteral("Nach der Option %1 fehlt ihr Wert.").arg(quoted(optionSpelling(name)));
        else if (values.size() == 1 && values.front().trimmed().isEmpty())
            result.errors << QStringLiteral("Der Wert der Option %1 ist leer.").arg(quoted(optionSpelling(name)));
    }

    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty()) result.files << files.front();
    if (files.size() > 1)
        result.errors << QStringLiteral("Es wird nur eine Szene geöffnet, „%1“; nicht geöffnet: „%2“.")
                             .arg(files.front(), files.mid(1).join(QStringLiteral("“, „")));

    result.help = parser.isSet(QStringLiteral("help"));
    result.version = parser.isSet(QStringLiteral("version"));
    if (parser.isSet(QStringLiteral("export"))) {
        result.exportOptions = BatchExportOptions{parser.value(QStringLiteral("export")),
                                                  parser.value(QStringLiteral("scale")),
                                                  parser.value(QStringLiteral("width-cm")),
                                                  parser.isSet(QStringLiteral("tikz-standalone")),
                                                  parser.value(QStringLiteral("sheet")),
                                                  parser.value(QStringLiteral("title"))};
        if (files.isEmpty())
            result.errors << QStringLiteral("Zu --export fehlt die Szenendatei: spatium --export AUSGABE DATEI");
        const bool sheet = parser.isSet(QStringLiteral("sheet"));
        for (const char* name : {"scale", "tikz-standalone"})
            if (sheet && parser.isSet(QLatin1String(name)))
                result.errors << QStringLiteral("Die Option %1 gilt nur für Bilder, nicht zusammen mit --sheet.")
                                     .arg(quoted(optionSpelling(QLatin1String(name))));
        if (!sheet && parser.isSet(QStringLiteral("title")))
            result.errors << QStringLiteral("Die Option %1 gilt nur zusammen mit --sheet.")
                                 .arg(quoted(optionSpelling(QStringLiteral("title"))));
    } else {
        for (const char* name : {"scale", "width-cm", "tikz-standalone", "sheet", "title"})
            if (parser.isSet(QLatin1String(name)))
                result.errors << QStringLiteral("Die Option %1 gilt nur zusammen mit --export.")
                                     .arg(quoted(optionSpelling(QLatin1String(name))));
    }
    return result;
}

CommandLine parseCommandLine(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return parseCommandLine(arguments);
}

QString commandLineHelp() {
    constexpr int kColumn = 24;  // where the descriptions start
    auto row = [](const QString& left, const QString& description) {
        return wrapped(QStringLiteral("  ") + left.leftJustified(kColumn - 3) + QLatin1Char(' '), description,
                       kColumn);
    };
    QString text = QStringLiteral(
        "Aufruf: spatium [DATEI]\n"
        "        spatium --export AUSGABE [--scale N] [--width-cm W]\n"
        "                [--tikz-standalone] DATEI\n"
        "        spatium --export BLATT.pdf|BLATT.tex --sheet aufgabe|loesung\n"
        "                [--title TEXT] [--width-cm W] DATEI\n"
        "        spatium --help | --version\n\n"
        "Spatium zeichnet und berechnet analytische Geometrie im Raum für den Unterricht.\n\n"
        "Argumente:\n");
    text += row(kFileArgument, kFileDescription);
    text += QStringLiteral("\nOptionen:\n");
    for (const OptionRow& option : optionRows()) {
        QStringList spelled;
        for (const QString& name : option.names) spelled << optionSpelling(name);
        QString left = spelled.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty()) left += QLatin1Char(' ') + option.valueName;
        text += row(left, option.description);
    }
    text += QLatin1Char('\n') +
            wrapped(QString(),
                    QStringLiteral("Rückgabewert: 0 bei Erfolg, 1 wenn die Ausgabedatei nicht geschrieben werden "
                                   "konnte, 2 bei einem falschen Aufruf, einem unbrauchbaren Optionswert oder "
                                   "einer Szenendatei, die sich nicht öffnen lässt."),
                    0);
    return text;
}

int answerOnTerminal(const CommandLine& commandLine) {
    if (!commandLine.errors.isEmpty()) {
        for (const QString& error : commandLine.errors) printError(error);
        printError(QStringLiteral("Alle Optionen zeigt „spatium --help“."));
        return kExitBadCall;
    }
    if (commandLine.help)
        print(stdout, commandLineHelp());
    else
        print(stdout, QStringLiteral("Spatium %1\n").arg(QLatin1String(kSpatiumVersion)));
    return kExitDone;
}

void printError(const QString& message) { print(stderr, QStringLiteral("spatium: ") + message + QLatin1Char('\n')); }
