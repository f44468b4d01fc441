#pragma once
// "Новый материал": entry of the name of a new material. Characters a file
// name or Windows-1251 cannot hold (line breaks among them) are dropped from
// what is typed or pasted; OK refuses an empty name silently and, with a
// message, a name the catalogue cannot take (already listed, its files
// taken, or too long for a file name). After OK name() returns the name,
// untrimmed. The field keeps its text between uses.

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

class Messages;
namespace Ui {
class TForm9;
}

class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(Messages& messages, QWidget* parent = nullptr);
    ~TForm9() override;

    // The name accepted by the last OK.
    const std::string& name() const { return name_; }

    // The materials already in the list; set before each showing.
    void setListedNames(std::vector<std::string> names) { listed_ = std::move(names); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void okClick();

    std::unique_ptr<Ui::TForm9> ui;
    Messages& messages_;
    std::vector<std::string> listed_;
    std::string name_;
};
