#include "ui/dialogs/FieldWidthValidator.h"

#include "text/Cp932.h"

FieldWidthValidator::FieldWidthValidator(std::size_t bytes, QObject* parent)
    : QValidator(parent), bytes_(bytes) {}

QValidator::State FieldWidthValidator::validate(QString& input, int& /*position*/) const {
    return cp932::encode(input.toStdU16String()).size() <= bytes_ ? Acceptable : Invalid;
}
