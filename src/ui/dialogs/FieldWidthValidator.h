#pragma once

#include <QValidator>

#include <cstddef>

// Accepts a box's text only while it fits a stored text field of `bytes`
// bytes in code page 932, as the file keeps it: a full-width character takes
// two bytes, so a box can never hold more than its field stores.
class FieldWidthValidator : public QValidator {
public:
    FieldWidthValidator(std::size_t bytes, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    std::size_t bytes_;
};
