#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "document/value_field.h"
#include "editing/element_dialogs.h"

class QLineEdit;

namespace kirvolt {

// "Edit Component ": the name and the value of a component, with its unit beside the value.
// The value may carry an engineering prefix and the component's own unit ("4.7k", "4k7",
// "10 mA"); OK is refused, with the reason readFieldValue gives, while the value box holds
// anything else, a unit of another kind or a resistance that is not above 0.
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
    FieldValue enteredValue() const;

    NameAndValue original;
    std::string unitText;
    NameAndValue enteredValues;
    QLineEdit* nameEdit;
    QLineEdit* valueEdit;
};

}  // namespace kirvolt
