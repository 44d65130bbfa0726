// Routing the user's actions on the pool's lists, boxes and "Update" to the handler of the
// page shown.
#include "profile/categories.h"
#include "ui/mainform.h"

namespace brindlex {

void MAINFORM::RouteListChoice(int listId) {
    CommitPendingEdits();
    const PageKind page = CurrentRow().page;
    const bool second = listId == 39;
    if (page == PageKind::kWork && second) {
        // Only shows whether the user is trained in the chosen field, even while a page is
        // being built.
        OnTrainedFieldChosen();
        return;
    }
    if (buildingPage) {
        return;
    }
    switch (page) {
        case PageKind::kSpecies:
            if (second) {
                OnSpeciesChosen();
            } else {
                OnFamilyChosen();
            }
            break;
        case PageKind::kTraitBoxes:
            if (!second) {
                OnCharacterGenderChosen();
            }
            break;
        case PageKind::kAge:
            if (!second) {
                OnOwnGenderChosen();
            }
            break;
        case PageKind::kWork:
            OnWorkTypeChosen();
            break;
        case PageKind::kPreference:
            OnPreferenceChosen();
            break;
        case PageKind::kKink:
            OnKinkAnswerChosen();
            break;
        default:
            break;
    }
}

void MAINFORM::RouteBoxClick(int id) {
    CommitPendingEdits();
    const PageKind page = CurrentRow().page;
    if (page == PageKind::kTraitBoxes) {
        OnTraitBoxClicked(id);
    } else if (page == PageKind::kLevel) {
        OnLevelBoxClicked(id);
    } else if (id != 31) {
        return;  // every other page asks with box 31 alone
    } else if (page == PageKind::kPreference) {
        OnPreferenceBoxClicked();
    } else if (page == PageKind::kAge) {
        OnAgeFormSwitched();
    } else if (page == PageKind::kWork) {
        OnTrainedBoxClicked();
    } else if (page == PageKind::kKinkSwitch) {
        OnIncludeKinksClicked();
    }
}

void MAINFORM::RouteUpdateClick() {
    CommitPendingEdits();
    if (CurrentRow().page == PageKind::kAge) {
        OnAgeBracketUpdate();
    } else {
        OnLevelUpdate();
    }
}

}  // namespace brindlex
