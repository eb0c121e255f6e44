#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "editing/element_dialogs.h"

class QLineEdit;

namespace kirvolt {

// "Edit Component ": the name and the value of a component, with its unit beside the value.
// The value may carry an engineering prefix and the component's own unit ("4.7k", "10 mA");
// OK is refused with "Please enter a number." while the value box holds anything else.
class EditComponentDialog : public QDialog {
    Q_OBJECT
public:
    EditComponentDialog(const NameAndValue& current, const QString& unit, QWidget* parent = nullptr);

    // What the user entered; valid after the dialog was accepted.
    NameAndValue entered() const { return enteredValues; }

    QLineEdit* nameBox() const { return nameEdit; }
    QLineEdit* valueBox() const { return valueEdit; }

    void accept() override;

private:
    std::optional<double> enteredValue() const;

    NameAndValue original;
    std::string unitText;
    NameAndValue enteredValues;
    QLineEdit* nameEdit;
    QLineEdit* valueEdit;
};

}  // namespace kirvolt
