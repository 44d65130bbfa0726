#include "profile/pages.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "profile/vocabulary.h"

namespace brindlex {

std::string FillIn(std::string_view pattern, std::string_view text) {
    std::string result(pattern);
    const std::size_t at = result.find("%1");
    if (at != std::string::npos) {
        result.replace(at, 2, text);
    }
    return result;
}

std::string KinkQuestion(int kink) {
    if (kink < 0 || kink >= kKinkCount) {
        return {};
    }
    return FillIn(kKinkQuestion, kKinkDescriptions[static_cast<std::size_t>(kink)]);
}

bool NamesALevel(std::string_view name) {
    constexpr std::string_view kSuffix = " level";
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return name.size() >= kSuffix.size() &&
           std::equal(kSuffix.begin(), kSuffix.end(), name.end() - kSuffix.size(),
                      [&](char a, char b) { return a == lower(b); });
}

std::string SliderName(std::string_view name) {
    return NamesALevel(name) ? std::string(name) : FillIn(kSliderName, name);
}

std::string FlagBoxLabel(const CategoryInfo& row) {
    return FillIn(row.box, std::to_string(LevelNumber(row.flagMinLevel)));
}

void ChooseSpeciesFamily(PROFILE& profile, unsigned family) {
    if (family == 0) {
        profile.speciesFamily = 0;
        profile.speciesIndex = 0;
        profile.customSpeciesName.clear();
    } else if (family < kFamilyPolymorph) {
        profile.speciesFamily = family;
        profile.customSpeciesName.clear();
        profile.speciesIndex = 1;
    } else if (family == kFamilyPolymorph) {
        profile.speciesFamily = kFamilyPolymorph;
        profile.speciesIndex = 0;
        profile.customSpeciesName.clear();
    } else {
        profile.speciesFamily = kFamilyOther;
        profile.speciesIndex = 0;
    }
}

void ChooseSpecies(PROFILE& profile, int entry) {
    profile.speciesIndex = entry < 0 ? 0u : static_cast<unsigned>(entry + 1) % 16u;
}

int SpeciesEntryOf(const PROFILE& profile) {
    const unsigned family = profile.speciesFamily;
    if (family == 0 || family >= kFamilyPolymorph) {
        return -1;
    }
    const int other = kFamilies[family].speciesCount();
    const int index = static_cast<int>(profile.speciesIndex);
    if (index != 0) {
        return std::min(index - 1, other);
    }
    return IsWrittenName(profile.customSpeciesName) ? other : -1;
}

bool ShowsCustomName(const PROFILE& profile, int speciesEntry) {
    const unsigned family = profile.speciesFamily;
    if (family == kFamilyPolymorph || family == kFamilyOther) {
        return true;
    }
    return family > 0 && family < kFamilyPolymorph &&
           speciesEntry == kFamilies[family].speciesCount();
}

void SwitchAgeForm(PROFILE& profile, bool exact) {
    const bool isExact = IsExactAge(profile.age);
    if ((exact && profile.age > kMaxExactAge) || (!exact && isExact)) {
        profile.toggleAgeForm();
    }
}

bool StoreAgeText(PROFILE& profile, std::string_view text) {
    text = text.substr(0, 3);
    if (text.empty()) {
        return false;
    }
    std::int16_t value = 0;
    for (const char character : text) {
        const int digit = static_cast<unsigned char>(character) - '0';
        value = static_cast<std::int16_t>(value * 10 + digit);
    }
    if (text.size() == 3 && value > static_cast<int>(kMaxExactAge)) {
        profile.age = kMaxExactAge;
        return true;
    }
    const auto low = static_cast<std::uint8_t>(value);
    profile.age = low <= kMaxExactAge ? low : 127u;
    return false;
}

}  // namespace brindlex
