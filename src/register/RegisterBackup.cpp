#include "register/RegisterBackup.h"

#include "register/ClubRegister.h"

RegisterError backupMeetingFiles(const std::filesystem::path&,
                                 const std::vector<std::filesystem::path>&, ClubRegister&,
                                 const std::tm&, int) {
    return {RegisterFault::Unavailable, "not yet"};
}
