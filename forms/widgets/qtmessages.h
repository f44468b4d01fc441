#pragma once
// Messages shown in modal QMessageBox windows captioned with the program's
// name.

#include "forms/widgets/messages.h"

class QWidget;

class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }
    void message(const QString& text) override;
    bool confirm(const QString& caption, const QString& text) override;
    SaveAnswer askToSave(const QString& text) override;

private:
    QWidget* parent_;
};
