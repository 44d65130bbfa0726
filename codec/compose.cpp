#include <algorithm>

#include "codec.h"
#include "vocabulary.h"

namespace brindlex {

namespace {

constexpr std::array<std::string_view, 8> kLevelMarks = {"#", "---", "--", "-",
                                                         "",  "+",   "++", "+++"};

// List positions of the kinks in the order the line writes them.
constexpr std::array<int, kKinkWritingCodes.size()> kKinkWritingOrder = [] {
    std::array<int, kKinkWritingCodes.size()> order{};
    for (std::size_t i = 0; i < kKinkWritingCodes.size(); ++i) {
        for (std::size_t k = 0; k < kKinks.size(); ++k) {
            if (kKinks[k].code == kKinkWritingCodes[i]) {
                order[i] = static_cast<int>(k);
            }
        }
    }
    return order;
}();

void AppendLevel(std::string& out, std::string_view tag, unsigned level) {
    out += tag;
    out += kLevelMarks[level & 7u];
}

void AppendAttraction(std::string& out, unsigned nibble) {
    if (nibble != 0) {
        out += '/';
        out += kAttractionMarks[nibble & 3u];
        out += kAttractionMarks[(nibble >> 2) & 3u];
    }
}

// Family code and species letter; resets a species index the family has no
// letter for.
void AppendSpecies(std::string& out, PROFILE& p) {
    const unsigned family = p.speciesFamily;
    out += FamilyCode(family);
    if (family >= 1 && family < kFamilyPolymorph) {
        const char letter = SpeciesLetter(family, p.speciesIndex);
        if (letter != '\0') {
            out += letter;
            return;
        }
        out += '*';
    }
    p.speciesIndex = 0;
    if (family == 0) {
        return;
    }
    // The reader ends the name at the first ']', so a ']' is never written.
    std::string name = p.customSpeciesName;
    name.erase(std::remove(name.begin(), name.end(), ']'), name.end());
    if (name.find_first_not_of(' ') != std::string::npos) {
        out += '[';
        out += name;
        out += ']';
    }
}

void AppendTraits(std::string& out, const PROFILE& p) {
    for (const Trait& t : kTraits) {
        if (((p.specificsFlags >> t.bit) & 1u) == 0) {
            continue;
        }
        if ((t.bit == kTraitPolymorphBit && p.speciesFamily == kFamilyPolymorph) ||
            (t.bit == kTraitTaurBit && p.speciesFamily == 4)) {
            continue;  // the family already says it
        }
        out += t.letter;
    }
}

void AppendWork(std::string& out, const PROFILE& p) {
    out += " W";
    out += p.workType < kWorkTypeCount ? kWorkTypes[p.workType].code : "+";
    for (int field = 0; field < kTrainedFieldCount; ++field) {
        const int row = kTrainedFieldRows[static_cast<std::size_t>(field)];
        if (((p.trainedFlags >> field) & 1u) != 0 && static_cast<unsigned>(row) != p.workType) {
            out += '/';
            out += kWorkTypes[static_cast<std::size_t>(row)].code;
        }
    }
}

void AppendAge(std::string& out, unsigned age) {
    out += " O";
    if (age == 0) {
        out += '#';
    } else if (age <= kMaxExactAge) {
        out += std::to_string(age);
    } else {
        out += kLevelMarks[age - kMaxExactAge];
    }
}

template <std::size_t N>
void AppendLetters(std::string& out, const std::array<Choice, N>& choices, unsigned flags) {
    for (std::size_t i = 0; i < N; ++i) {
        if (((flags >> i) & 1u) != 0) {
            out += choices[i].letter;
        }
    }
}

void AppendKinks(std::string& out, const PROFILE& p) {
    out += " K";
    for (const int position : kKinkWritingOrder) {
        const unsigned cell = p.kink(position);
        if (cell == 0) {
            continue;
        }
        out += "  ";
        out += kKinks[static_cast<std::size_t>(position)].code;
        out += kKinkMarks[KinkRolePlay(cell)];
        if (KinkRealLife(cell) != KinkRolePlay(cell)) {
            out += kKinkMarks[KinkRealLife(cell)];
        }
    }
}

}  // namespace

std::string_view LevelMark(unsigned level) {
    return kLevelMarks[level & 7u];
}

void ComposeCodeInto(PROFILE& p, std::string& out) {
    out += "2.0F";
    AppendSpecies(out, p);
    out += static_cast<char>('0' + p.anthroLevel);
    AppendTraits(out, p);

    AppendLevel(out, " V", p.artLevel);
    AppendLevel(out, " M", p.consLevel);
    AppendLevel(out, p.madeOwnSuit && p.fursuitsLevel >= 5 ? " Dm" : " D", p.fursuitsLevel);
    AppendLevel(out, " H", p.hugsLevel);
    AppendLevel(out, " I", p.interwebsRpLevel);
    AppendLevel(out, " P", p.plushiesLevel);
    AppendLevel(out, " R", p.realismLevel);
    AppendLevel(out, " T", p.transformationLevel);
    AppendLevel(out, " L", p.writingLevel);

    out += " Y";
    out += kCharacterGenderLetters[p.characterGender];
    out += kLevelMarks[p.yiffyYiffyLevel];
    AppendAttraction(out, p.yiffyYiffyPreference);

    AppendWork(out, p);
    AppendAge(out, p.age);

    out += " C";
    if (p.compyLevel >= 4 && p.compyFlags != 0x1Fu) {
        AppendLetters(out, kOperatingSystems, p.compyFlags);
    }
    out += kLevelMarks[p.compyLevel];
    out += " G";
    if (p.gamingLevel >= 2) {
        AppendLetters(out, kGames, p.gamingFlags);
    }
    out += kLevelMarks[p.gamingLevel];

    AppendLevel(out, " E", p.educationLevel);
    AppendLevel(out, " F", p.furFactorLevel);
    AppendLevel(out, " B", p.livingLevel);
    if (p.interwebsLevel == 7) {
        out += p.furrySite ? " Nf+++" : " N+++";
    } else {
        AppendLevel(out, " N", p.interwebsLevel);
    }
    AppendLevel(out, " J", p.animeLevel);
    AppendLevel(out, " A", p.petsLevel);

    out += " S";
    out += kOwnGenderLetters[p.ownGender];
    out += kLevelMarks[p.sexLevel];
    AppendAttraction(out, p.sexPreference);

    if (p.includeKinks) {
        AppendKinks(out, p);
    }
}

std::string ComposeCode(PROFILE& profile) {
    std::string out;
    out.reserve(160);
    ComposeCodeInto(profile, out);
    return out;
}

}  // namespace brindlex
