#pragma once
// A line edit's filter that drops, from whatever is typed or pasted, the
// characters it refuses and keeps the rest, instead of refusing the whole
// edit: a spreadsheet cell pasted with its line break arrives without it.

#include <QValidator>

#include <functional>

class QLineEdit;

class CharacterFilter : public QValidator {
public:
    CharacterFilter(std::function<bool(char32_t)> refused, QObject* parent);
    State validate(QString& input, int& pos) const override;

private:
    std::function<bool(char32_t)> refused_;
};

// The field's text is written as one line of a data file: CR, LF, Ctrl-Z
// and NUL are dropped.
void keepOnOneLine(QLineEdit& field);
