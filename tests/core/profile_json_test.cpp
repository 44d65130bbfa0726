#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <random>

#include "codec/codec.h"
#include "profile/profile_json.h"

namespace brindlex {
namespace {

// How the record's JSON was first written: an ordered_json dumped without
// blanks, bytes that are not UTF-8 replaced.
std::string DumpedAsBefore(const PROFILE& profile) {
    nlohmann::ordered_json json;
    for (const FieldInfo& field : kProfileFields) {
        json[std::string(field.name)] = field.get(profile);
        if (field.name == "speciesIndex") {
            json["customSpeciesName"] = profile.customSpeciesName;
        }
    }
    nlohmann::ordered_json kinks = nlohmann::ordered_json::array();
    for (int k = 0; k < kKinkCount; ++k) {
        kinks.push_back(profile.kink(k));
    }
    json["kinkPrefs"] = std::move(kinks);
    return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

// Every field at random, most of them small, and a name of bytes that need
// escaping, good and broken UTF-8 among them.
PROFILE RandomRecord(std::mt19937& random) {
    PROFILE p;
    for (const FieldInfo& field : kProfileFields) {
        const unsigned value = random() % 4 == 0 ? random() : random() % 8;
        field.set(p, value & field.maxValue());
    }
    if (random() % 3 == 0) {
        for (int k = 0; k < kKinkCount; ++k) {
            p.setKink(k, random() % 3 == 0 ? random() % 16 : 0);
        }
    }
    static const std::string kPieces[] = {"a",
                                          " ",
                                          "Snow Owl",
                                          "\"",
                                          "\\",
                                          "\n",
                                          "\r",
                                          "\t",
                                          "\b",
                                          "\f",
                                          "\x01",
                                          "\x1F",
                                          "\x7F",
                                          "/",
                                          "\xC3\xA9",
                                          "\xE2\x82\xAC",
                                          "\xF0\x9F\xA6\x8A",
                                          "\xC3",
                                          "\xE2\x82",
                                          "\xF0\x9F",
                                          "\x80",
                                          "\xBF",
                                          "\xC0\xAF",
                                          "\xED\xA0\x80",
                                          "\xF4\x90\x80\x80",
                                          "\xFF",
                                          "\xFE",
                                          "\xE0\x80",
                                          "\xF5",
                                          "\0"};
    const int pieces = static_cast<int>(random() % 12);
    for (int i = 0; i < pieces; ++i) {
        const std::string& piece = kPieces[random() % std::size(kPieces)];
        p.customSpeciesName += piece.empty() ? std::string(1, '\0') : piece;
    }
    return p;
}

TEST(ProfileJson, WritesWhatTheJsonLibraryWrote) {
    std::mt19937 random(7);
    for (int i = 0; i < 50000; ++i) {
        const PROFILE p = RandomRecord(random);
        const std::string expected = DumpedAsBefore(p);
        ASSERT_EQ(ProfileToJsonText(p), expected) << "record " << i;

        // Drained after every few bytes, the pieces still make the same text.
        std::string out = "before ";
        std::string drained;
        AppendProfileJson(p, out, 3, [&](std::string& text) {
            drained += text;
            text.clear();
        });
        ASSERT_EQ(drained + out, "before " + expected) << "record " << i;
    }
}

TEST(ProfileJson, WritesEveryNumberWidthAndEveryKinkInItsPlace) {
    // Each field at its largest value and on both sides of each step to one more digit.
    for (const FieldInfo& field : kProfileFields) {
        for (unsigned ten = 1; ten / 10 <= field.maxValue(); ten *= 10) {
            for (const unsigned value : {ten - 1, ten, field.maxValue()}) {
                if (value <= field.maxValue()) {
                    PROFILE p;
                    field.set(p, value);
                    ASSERT_EQ(ProfileToJsonText(p), DumpedAsBefore(p)) << field.name << value;
                }
            }
        }
    }
    // The longest record there is, and each kink alone, with one and with two digits.
    PROFILE full;
    for (const FieldInfo& field : kProfileFields) {
        field.set(full, field.maxValue());
    }
    for (int k = 0; k < kKinkCount; ++k) {
        full.setKink(k, 15);
        for (const unsigned answer : {9u, 10u}) {
            PROFILE p;
            p.setKink(k, answer);
            ASSERT_EQ(ProfileToJsonText(p), DumpedAsBefore(p)) << "kink " << k;
        }
    }
    EXPECT_EQ(ProfileToJsonText(full), DumpedAsBefore(full));
}

TEST(ProfileJson, ReadsBackWhatItWrites) {
    std::mt19937 random(11);
    for (int i = 0; i < 2000; ++i) {
        PROFILE p = RandomRecord(random);
        // A name a code line can carry: UTF-8 without control characters.
        const std::string text = nlohmann::json(p.customSpeciesName)
                                     .dump(-1, ' ', false, nlohmann::json::error_handler_t::ignore);
        p.customSpeciesName.clear();
        for (char c : nlohmann::json::parse(text).get<std::string>()) {
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) {
                p.customSpeciesName += c;
            }
        }
        ASSERT_EQ(ProfileFromJsonText(ProfileToJsonText(p)), p) << ProfileToJsonText(p);
    }
}

}  // namespace
}  // namespace brindlex
