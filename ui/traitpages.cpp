// The pages of check boxes and switches: the character's traits and gender, the switch that
// puts the kinks into the code line, and the "Error!" page of no category.
#include <QComboBox>

#include "profile/pages.h"
#include "ui/controls.h"
#include "ui/mainform.h"
#include "ui/pagehelpers.h"

namespace brindlex {

PoolSet MAINFORM::BuildTraitPage(int category) {
    ShowGenderList(m_profile.characterGender, kCharacterGenders[0], 240, 22);
    PlaceHelp(165, 99, CategoryOf(category).help);

    // Box 21 + row shows trait row `row`: ten in the first column, "Alter Ego" at the top
    // of the second column and the character kinds below it.
    for (int row = 0; row < kTraitCount; ++row) {
        PoolCheckBox* box = Box(21 + row);
        const Trait& trait = kTraits[static_cast<std::size_t>(row)];
        box->setText(CoreText(text_context::kTraits, trait.name));
        if (row < 10) {
            Place(box, 100, 28 + 10 * row, 160, 38 + 10 * row);
        } else if (row == 10) {
            Place(box, 165, 28, 215, 38);
        } else {
            const int j = row - 11;
            Place(box, 165, 38 + 10 * j, 245, 48 + 10 * j);
        }
        box->setChecked(BitSet(m_profile.specificsFlags, trait.bit));
    }
    return kPoolList38 | kPoolDescription | PoolRange(21, 20 + kTraitCount);
}

PoolSet MAINFORM::BuildKinkSwitchPage(int category) {
    PlaceHelp(185, 28, CategoryOf(category).help);
    PlaceBox31(CoreText(text_context::kPageTexts, CategoryOf(category).box), 68, 80, 10);
    Box(31)->setChecked(m_profile.includeKinks != 0);
    return kPoolDescription | kPoolBox31;
}

PoolSet MAINFORM::BuildErrorPage(int /*category*/) {
    PlaceDescription(185, 28, CoreText(text_context::kPageTexts, kNoCategoryText));
    return kPoolDescription;
}

void MAINFORM::OnTraitBoxClicked(int id) {
    // Box 21 + row is trait row `row`, box 31 "Alter Ego" included.
    const Trait& trait = kTraits[static_cast<std::size_t>(id - 21)];
    m_profile.specificsFlags = WithBit(m_profile.specificsFlags, trait.bit, Box(id)->isChecked());
    RefreshCodeLine();
}

void MAINFORM::OnCharacterGenderChosen() {
    m_profile.characterGender = static_cast<unsigned>(m_list38->currentIndex()) & 3u;
    RefreshCodeLine();
}

void MAINFORM::OnIncludeKinksClicked() {
    m_profile.includeKinks = Box(31)->isChecked() ? 1u : 0u;
    RefreshCodeLine();
}

}  // namespace brindlex
