#include "app/PickWarnings.h"

#include "app/Program.h"

std::vector<std::u16string> pickWarnings(Program& program) {
    static_cast<void>(program);
    return {};
}
