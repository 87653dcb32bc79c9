#include "app/MasterFileCommands.h"

#include "app/StorageMessages.h"
#include "platform/Platform.h"
#include "storage/MemberMaster.h"

bool readMasterFile(Platform& platform, MemberMaster& master,
                    const std::function<void(int)>& show) {
    switch (master.readFile(show)) {
    case FileFault::None:
        return true;
    case FileFault::CannotOpen:
        platform.showMessage(kNoMasterFile, kAppTitle);
        break;
    default:
        platform.beep();
        platform.showMessage(kMasterReadError, kAppTitle);
        break;
    }
    return false;
}

bool writeMasterFile(Platform& platform, MemberMaster& master) {
    switch (master.writeFile()) {
    case FileFault::None:
        return true;
    case FileFault::ChangedUnderneath:
        platform.showMessage(kMasterChangedUnderneath, kAppTitle);
        break;
    default:
        platform.showMessage(kMasterWriteError, kEditorTitle);
        break;
    }
    return false;
}
