#pragma once
// File dialogs for tests: each answers with the name set beforehand (empty:
// cancelled) and records where it was opened or what it offered.

#include "forms/widgets/filechooser.h"

#include <QStringList>

struct ScriptedFiles : FileChooser {
    QString toOpen;
    QString toSave;
    QString toSavePdf;
    QString toOpenFolder;
    QStringList folders; // where each ".rid" or folder dialog was opened
    QStringList suggested; // the names the PDF dialog offered

    QString openFile(QWidget*, const QString& folder) override
    {
        folders << folder;
        return toOpen;
    }
    QString saveFile(QWidget*, const QString& folder) override
    {
        folders << folder;
        return toSave;
    }
    QString savePdfFile(QWidget*, const QString& offered) override
    {
        suggested << offered;
        return toSavePdf;
    }
    QString openFolder(QWidget*, const QString& folder) override
    {
        folders << folder;
        return toOpenFolder;
    }
};
