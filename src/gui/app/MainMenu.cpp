#include "gui/app/MainMenu.h"

#include <QAction>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainMenu::MainMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    // The windows are fixed-size: the bar never folds entries away.
    bar->setNativeMenuBar(false);

    fileMenu = bar->addMenu(QStringLiteral("&Datei"));
    fileMenu->setObjectName(QStringLiteral("Menu_Datei"));
    newScene = addEntry(fileMenu, "Action_Neu", QStringLiteral("&Neu"), {QKeySequence(Qt::CTRL | Qt::Key_N)});
    open = addEntry(fileMenu, "Action_Oeffnen", QStringLiteral("Ö&ffnen …"), {QKeySequence(Qt::CTRL | Qt::Key_O)});
    recentMenu = fileMenu->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    recentMenu->setObjectName(QStringLiteral("Menu_Zuletzt_geoeffnet"));
    fileMenu->addSeparator();
    save = addEntry(fileMenu, "Action_Speichern", QStringLiteral("&Speichern"), {QKeySequence(Qt::CTRL | Qt::Key_S)});
    saveAs = addEntry(fileMenu, "Action_Speichern_unter", QStringLiteral("Speichern &unter …"),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    fileMenu->addSeparator();
    // Ctrl+Shift+E: plain Ctrl+E stays with the text fields.
    exportPicture = addEntry(fileMenu, "Action_Bild_exportieren", QStringLiteral("Bild &exportieren …"),
                             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E)});
    exportWorksheet = addEntry(fileMenu, "Action_Arbeitsblatt_exportieren", QStringLiteral("&Arbeitsblatt exportieren …"));
    print = addEntry(fileMenu, "Action_Drucken", QStringLiteral("&Drucken …"), {QKeySequence(Qt::CTRL | Qt::Key_P)});
    printPreview = addEntry(fileMenu, "Action_Druckvorschau", QStringLiteral("Druck&vorschau …"));
    quitSeparator_ = fileMenu->addSeparator();
    quit = addEntry(fileMenu, "Action_Beenden", QStringLiteral("&Beenden"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    editMenu = bar->addMenu(QStringLiteral("&Bearbeiten"));
    editMenu->setObjectName(QStringLiteral("Menu_Bearbeiten"));
    undo = addEntry(editMenu, "Action_Rueckgaengig", QStringLiteral("&Rückgängig"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    redo = addEntry(editMenu, "Action_Wiederholen", QStringLiteral("&Wiederholen"),
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    editMenu->addSeparator();
    copyPicture = addEntry(editMenu, "Action_Bild_kopieren", QStringLiteral("Bild &kopieren"),
                           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)});
    copyOutputLatex = addEntry(editMenu, "Action_Ausgaben_als_LaTeX_kopieren",
                               QStringLiteral("Ausgaben als &LaTeX kopieren"),
                               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)});

    helpMenu = bar->addMenu(QStringLiteral("&Hilfe"));
    helpMenu->setObjectName(QStringLiteral("Menu_Hilfe"));
    usageNotes = addEntry(helpMenu, "Action_Bedienungshinweise", QStringLiteral("&Bedienungshinweise"),
                          {QKeySequence(Qt::Key_F1)});
    about = addEntry(helpMenu, "Action_Ueber_Spatium", QStringLiteral("Ü&ber Spatium"));
    // The fixed-size window grows by the bar's height now, not at its first show.
    window.layout()->activate();
}

QAction* MainMenu::addEntry(QMenu* menu, const char* objectName, const QString& text,
                            const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::ApplicationShortcut);
    menu->addAction(action);
    return action;
}

QAction* MainMenu::addFileEntry(const char* objectName, const QString& text, const QList<QKeySequence>& keys) {
    QAction* action = addEntry(fileMenu, objectName, text, keys);
    fileMenu->insertAction(quitSeparator_, action);  // moves it above "Beenden"
    return action;
}

QList<QAction*> MainMenu::shortcutActions() const {
    QList<QAction*> actions;
    for (const QMenu* menu : {fileMenu, editMenu, helpMenu})
        for (QAction* action : menu->actions())
            if (!action->shortcuts().isEmpty()) actions << action;
    return actions;
}
