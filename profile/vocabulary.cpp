#include "profile/vocabulary.h"

namespace brindlex {

std::string_view FamilyCode(unsigned family) {
    if (family < kFamilyOther) {
        return kFamilies[family].code;
    }
    return kFamilies[kFamilyOther].code;
}

char SpeciesLetter(unsigned family, unsigned index) {
    if (family == 0 || family >= kFamilyPolymorph || index == 0) {
        return '\0';
    }
    const std::string_view letters = kFamilies[family].letters;
    return index <= letters.size() ? letters[index - 1] : '\0';
}

int FamilyByCode(std::string_view code) {
    for (int f = 0; f < kFamilyCount; ++f) {
        if (kFamilies[static_cast<std::size_t>(f)].code == code) {
            return f;
        }
    }
    return -1;
}

unsigned SpeciesByLetter(unsigned family, char letter) {
    if (family >= kFamilyCount) {
        return 0;
    }
    const std::size_t i = kFamilies[family].letters.find(letter);
    return i == std::string_view::npos ? 0 : static_cast<unsigned>(i + 1);
}

const Trait* TraitByLetter(char letter) {
    for (const Trait& t : kTraits) {
        if (t.letter == letter) {
            return &t;
        }
    }
    return nullptr;
}

int WorkTypeByCode(std::string_view code) {
    if (code.size() != 2) {
        return -1;
    }
    for (int row = 0; row < kWorkTypeCount; ++row) {
        if (kWorkTypes[static_cast<std::size_t>(row)].code == code) {
            return row;
        }
    }
    return -1;
}

int KinkByCode(std::string_view code) {
    if (code.empty()) {
        return -1;
    }
    for (int k = 0; k < kKinkCount; ++k) {
        if (kKinks[static_cast<std::size_t>(k)].code == code) {
            return k;
        }
    }
    return -1;
}

}  // namespace brindlex
