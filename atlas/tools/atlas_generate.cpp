// Writes the atlas file from the GeoNames place list (cities500.txt), the GeoNames
// first-level divisions (admin1.json) and the ISO 3166 country names of iso-codes.
//
//   tamovid_atlas_generate cities500.txt admin1.json iso_3166-1.json places.atlas

#include <zlib.h>

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

struct Country {
    std::string code, name, commonName;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr
            << "usage: tamovid_atlas_generate cities500.txt admin1.json iso_3166-1.json OUT\n";
        return 64;
    }
    try {
        std::vector<Country> countries;
        std::unordered_map<std::string, std::size_t> countryIndex;
        const nlohmann::json iso = ReadJson(argv[3]);
        for (const auto& c : iso.at("3166-1")) {
            Country country{c.at("alpha_2"), c.at("name"), c.value("common_name", "")};
            countryIndex[country.code] = countries.size();
            countries.push_back(country);
        }
        std::unordered_map<std::string, std::string> admin1;
        const nlohmann::json divisions = ReadJson(argv[2]);
        for (const auto& a : divisions) admin1[a.at("code")] = a.at("name");

        std::vector<std::pair<std::string, std::uint16_t>> states;  // name, country
        std::map<std::string, std::size_t> stateIndex;
        std::vector<std::string> zones;
        std::map<std::string, std::size_t> zoneIndex;
        std::map<std::string, std::set<std::uint64_t>> keys;  // posting values

        std::string places;
        std::size_t placeCount = 0;
        std::size_t nameBytes = 0;
        std::ifstream in(argv[1]);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        std::string line;
        while (std::getline(in, line)) {
            const std::vector<std::string> f = SplitTabs(line);
            if (f.size() < kColumnCount) throw std::runtime_error("short line: " + line);
            const std::string& code = f[kCountryCode];
            if (!countryIndex.count(code)) {
                const auto extra = kExtraCountries.find(code);
                countryIndex[code] = countries.size();
                countries.push_back(
                    {code, extra != kExtraCountries.end() ? extra->second : code, ""});
            }
            const auto country = static_cast<std::uint16_t>(countryIndex[code]);
            std::size_t state = 0;
            const auto stateName = admin1.find(code + "." + f[kAdmin1]);
            if (stateName != admin1.end()) {
                const std::string stateKey = code + "." + f[kAdmin1];
                auto [it, added] = stateIndex.emplace(stateKey, states.size() + 1);
                if (added) states.emplace_back(stateName->second, country);
                state = it->second;
            }
            auto [zone, newZone] = zoneIndex.emplace(f[kTimeZone], zones.size());
            if (newZone) zones.push_back(f[kTimeZone]);

            format::PutString(places, f[kName]);
            format::PutString(places, f[kAsciiName] == f[kName] ? std::string() : f[kAsciiName]);
            nameBytes += f[kName].size() + (f[kAsciiName] == f[kName] ? 0 : f[kAsciiName].size());
            format::PutVarint(places, format::ZigZag(ArcMinutes(f[kLatitude])));
            format::PutVarint(places, format::ZigZag(ArcMinutes(f[kLongitude])));
            format::PutVarint(places, f[kPopulation].empty() ? 0 : std::stoull(f[kPopulation]));
            format::PutVarint(places, country);
            format::PutVarint(places, state);
            format::PutVarint(places, zone->second);

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

        std::string tables;
        format::PutVarint(tables, countries.size());
        for (const Country& c : countries) {
            tables += c.code.substr(0, 2);
            format::PutString(tables, c.name);
            format::PutString(tables, c.commonName);
        }
        format::PutVarint(tables, states.size());
        for (const auto& [name, country] : states) {
            format::PutVarint(tables, country);
            format::PutString(tables, name);
        }
        format::PutVarint(tables, zones.size());
        for (const std::string& z : zones) format::PutString(tables, z);
        format::PutVarint(tables, placeCount);
        format::PutVarint(tables, nameBytes);
        tables += places;
        // A place listed under a key by its own name is not listed again by an alternate.
        std::size_t keyBytes = 0;
        std::size_t postingCount = 0;
        for (auto& [key, postings] : keys) {
            for (auto p = postings.begin(); p != postings.end();) {
                p = (*p & 1) != 0 && postings.count(*p - 1) ? postings.erase(p) : std::next(p);
            }
            keyBytes += key.size();
            postingCount += postings.size();
        }
        format::PutVarint(tables, keys.size());
        format::PutVarint(tables, keyBytes);
        format::PutVarint(tables, postingCount);
        std::string previous;
        for (const auto& [key, postings] : keys) {
            std::size_t shared = 0;
            while (shared < previous.size() && shared < key.size() &&
                   previous[shared] == key[shared])
                ++shared;
            format::PutVarint(tables, shared);
            format::PutString(tables, std::string_view(key).substr(shared));
            format::PutVarint(tables, postings.size());
            for (const std::uint64_t p : postings) format::PutVarint(tables, p);
            previous = key;
        }

        uLongf packedSize = compressBound(static_cast<uLong>(tables.size()));
        std::string packed(packedSize, '\0');
        if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                      reinterpret_cast<const Bytef*>(tables.data()),
                      static_cast<uLong>(tables.size()), Z_BEST_COMPRESSION) != Z_OK) {
            throw std::runtime_error("compression failed");
        }
        packed.resize(packedSize);
        std::string file(format::kMagic);
        format::PutU32(file, format::kVersion);
        format::PutU32(file, static_cast<std::uint32_t>(tables.size()));
        format::PutU32(file, static_cast<std::uint32_t>(
                                 crc32(0L, reinterpret_cast<const Bytef*>(tables.data()),
                                       static_cast<uInt>(tables.size()))));
        file += packed;
        std::ofstream out(argv[4], std::ios::binary);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[4]);
        std::cout << placeCount << " places, " << countries.size() << " countries, "
                  << states.size() << " states, " << zones.size() << " zones, " << keys.size()
                  << " keys, " << postingCount << " postings; tables " << tables.size()
                  << " bytes, file " << file.size() << " bytes\n";
    } catch (const std::exception& e) {
        std::cerr << "tamovid_atlas_generate: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
