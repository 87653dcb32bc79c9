#include "register/ClubRegister.h"

namespace {

RegisterError unavailable() {
    return {RegisterFault::Unavailable, "closed"};
}

} // namespace

ClubRegister::Opening ClubRegister::open(const std::filesystem::path& workDir, const std::tm& now) {
    return openFile(workDir / kRegisterFileName, now);
}

ClubRegister::Opening ClubRegister::openFile(const std::filesystem::path& file, const std::tm&) {
    file_ = file;
    return {OpenResult::Unavailable, {}, unavailable()};
}

void ClubRegister::close() {
    database_.close();
}

int ClubRegister::schemaVersion() {
    return 0;
}

std::vector<MemberProfile> ClubRegister::profiles() {
    return {};
}

std::optional<MemberProfile> ClubRegister::profile(const MemberRef&) {
    return std::nullopt;
}

RegisterError ClubRegister::applyMasterEdits(const MasterEdits&) {
    return unavailable();
}

std::vector<PairRule> ClubRegister::pairRules() {
    return {};
}

FeeTable ClubRegister::fees() {
    return {};
}

RegisterError ClubRegister::setFees(const FeeTable&) {
    return unavailable();
}

std::vector<Presence> ClubRegister::presence(const MeetingRef&) {
    return {};
}

std::optional<Presence> ClubRegister::presenceOf(const MeetingRef&, const MemberRef&) {
    return std::nullopt;
}

RegisterError ClubRegister::arrive(const MeetingRef&, const MemberRef&, long long) {
    return unavailable();
}

RegisterError ClubRegister::startBreak(const MeetingRef&, const MemberRef&, long long) {
    return unavailable();
}

RegisterError ClubRegister::endBreak(const MeetingRef&, const MemberRef&, long long) {
    return unavailable();
}

RegisterError ClubRegister::leave(const MeetingRef&, const MemberRef&, long long) {
    return unavailable();
}

RegisterError ClubRegister::setLeavesAt(const MeetingRef&, const MemberRef&,
                                        std::optional<long long>) {
    return unavailable();
}

RegisterError ClubRegister::setFeeDue(const MeetingRef&, const MemberRef&, int) {
    return unavailable();
}

RegisterError ClubRegister::setPaid(const MeetingRef&, const MemberRef&, bool) {
    return unavailable();
}

RegisterError ClubRegister::setMemberType(const MemberRef&, MemberType,
                                          const std::optional<MeetingRef>&) {
    return unavailable();
}

std::vector<MeetingPresence> ClubRegister::seasonPresence(std::u16string_view) {
    return {};
}

RegisterError ClubRegister::logMatchStart(const LoggedMatch&) {
    return unavailable();
}

RegisterError ClubRegister::logMatchEnd(const LoggedMatch&) {
    return unavailable();
}

std::vector<LoggedMatch> ClubRegister::matches(const MeetingRef&) {
    return {};
}

std::vector<LoggedMatch> ClubRegister::seasonMatches(std::u16string_view) {
    return {};
}

RegisterError ClubRegister::backupTo(const std::filesystem::path&) {
    return unavailable();
}
