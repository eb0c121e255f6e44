#pragma once

#include <QDialog>
#include <string>

class QLineEdit;

namespace kirvolt {

// "Edit Node Name": the label of a joint, which every joint of the same label takes.
class EditNodeNameDialog : public QDialog {
    Q_OBJECT
public:
    EditNodeNameDialog(const std::string& current, QWidget* parent = nullptr);

    std::string entered() const;
    QLineEdit* nameBox() const { return nameEdit; }

private:
    std::string original;
    QLineEdit* nameEdit;
};

}  // namespace kirvolt
