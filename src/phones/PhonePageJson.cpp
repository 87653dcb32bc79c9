#include "phones/PhonePageJson.h"

#include "phones/JsonText.h"

namespace {

std::u16string_view stateName(PlayerState state) {
    switch (state) {
    case PlayerState::Playing:
        return u"playing";
    case PlayerState::Next:
        return u"next";
    case PlayerState::Waiting:
        return u"waiting";
    case PlayerState::Resting:
        return u"resting";
    }
    return u"waiting";
}

void writeNames(JsonText& json, const std::vector<std::u16string>& names) {
    json.beginArray();
    for (const std::u16string& name : names) {
        json.value(name);
    }
    json.endArray();
}

void writeCourts(JsonText& json, const std::vector<PhoneCourt>& courts) {
    json.key("courts").beginArray();
    for (const PhoneCourt& court : courts) {
        json.beginObject().key("court").value(court.court);
        json.key("teams").beginArray().value(court.teams[0]).value(court.teams[1]).endArray();
        json.key("sides").beginArray();
        writeNames(json, court.sides[0]);
        writeNames(json, court.sides[1]);
        json.endArray();
        json.key("minutes").value(court.minutesPlayed);
        json.key("finished").flag(court.finished);
        json.key("games").beginArray().value(court.games[0]).value(court.games[1]).endArray();
        json.endObject();
    }
    json.endArray();
}

void writeMembers(JsonText& json, std::string_view name,
                  const std::vector<WaitingMember>& members) {
    json.key(name).beginArray();
    for (const WaitingMember& member : members) {
        json.beginObject().key("name").value(member.name).key("team").value(member.team);
        json.key("played").value(member.matchesPlayed);
        json.key("minutes").value(member.minutesWaited).endObject();
    }
    json.endArray();
}

void writeStandings(JsonText& json, const std::array<StandingsTable, 3>& tables) {
    json.key("standings").beginArray();
    for (const StandingsTable& table : tables) {
        json.beginObject().key("title").value(table.title).key("rows").beginArray();
        for (const StandingRow& row : table.rows) {
            json.beginObject().key("rank").value(row.rank).key("name").value(row.name);
            json.key("team").value(row.team).key("played").value(row.matches);
            json.key("wins").value(row.wins).key("rate").value(row.winRate).endObject();
        }
        json.endArray().endObject();
    }
    json.endArray();
}

void writePlayers(JsonText& json, const std::vector<PhonePlayer>& players) {
    json.key("players").beginArray();
    for (const PhonePlayer& player : players) {
        json.beginObject().key("name").value(player.name).key("team").value(player.team);
        json.key("state").value(stateName(player.state)).key("court").value(player.court);
        json.key("ahead").value(player.matchesAhead).key("played").value(player.matchesPlayed);
        json.key("minutes").value(player.minutesWaited).endObject();
    }
    json.endArray();
}

} // namespace

std::string phonePageJson(const PhonePage& page) {
    JsonText json;
    json.beginObject().key("title").value(page.title).key("clock").value(page.clockText);
    json.key("teamColours").flag(page.teamColours);
    json.key("teamNames").beginArray().value(page.teamNames[0]).value(page.teamNames[1]).endArray();
    writeCourts(json, page.courts);
    json.key("next").beginArray();
    for (const NextMatch& match : page.nextMatches) {
        json.beginArray();
        writeNames(json, match.sides[0]);
        writeNames(json, match.sides[1]);
        json.endArray();
    }
    json.endArray();
    writeMembers(json, "waiting", page.waiting);
    writeMembers(json, "resting", page.resting);
    writeStandings(json, page.standings);
    writePlayers(json, page.players);
    json.endObject();
    return json.str();
}
