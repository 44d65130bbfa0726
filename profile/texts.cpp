// Texts shown beside the answers: level help texts and kink questions.
#include "profile/vocabulary.h"

namespace brindlex {

// Each entry completes the question "Do you like to "; the kink page adds the question mark.
// The order is the order of the kink list.
extern const std::array<std::string_view, kKinkCount> kKinkDescriptions = {
    // clang-format off
    "have sexual encounters in a fursuit or with someone in one",                 // Fursuit
    "use plushies for sexual pleasure",                                           // Plushies
    "feel sexual attraction toward real, non-anthro animals",                     // Zoophilia
    "role-play as someone older or younger than you really are",                  // Age Play
    "have anal sex",                                                              // Anal
    "try pretty much anything your partner(s) come up with",                      // Anything Goes
    "bite or be bitten during sex",                                               // Biting
    "bring blood into your sexual play",                                          // Blood
    "tie up your partner or be tied up yourself",                                 // Bondage
    "mark or be marked with a permanent brand",                                   // Branding
    "fondle, kiss and otherwise play with breasts",                               // Breast Play
    "restrict breathing during sex for a heightened rush",                        // Breath Control
    "have sex with the aim or fantasy of making offspring",                       // Breeding
    "kiss, lick or otherwise adore your partner's boots",                         // Boot Worship
    "fantasize about castrating someone or being castrated",                      // Castration
    "give or receive pain to the genitals (cock and ball torture)",               // CBT
    "have sex under the influence of alcohol or other substances",                // Chemical Influence
    "adore and pleasure your partner's vagina",                                   // Cunt Worship
    "savor your partner's cum",                                                   // Cum (love of)
    "be covered in cum or cover your partner in it",                              // Cum (covered in)
    "adore and pleasure your partner's penis",                                    // Cock Worship
    "wear clothes usually worn by the other gender",                              // Crossdressing
    "have an accepting consensus between the partners involved",                  // Consensual
    "cuddle and snuggle with your partner(s) before/during/after sex",            // Cuddling
    "take control and dominate your partner(s)",                                  // Dominate
    "use sex dolls or act as a living doll for your partner",                     // Dolls
    "wear diapers or have your partner wear them",                                // Diapers
    "set rules and punish when they are broken, or be punished yourself",         // Discipline
    "talk dirty or be talked dirty to during sex",                                // Dirty Talk
    "misbehave on purpose so that you get put in your place",                     // Disobedient
    "color your fur, hair or skin with dyes or body paint for play",              // Dyes
    "give or receive enemas",                                                     // Enema
    "use electrical stimulation for sexual pleasure",                             // E-Stim
    "show yourself off or have sex where others might see",                       // Exibitionist
    "be with a partner who has plenty of sexual experience",                      // Experienced
    "bring food into your sexual play",                                           // Food Play
    "give feet or paws sexual attention",                                         // Feet
    "scare or be scared as part of sexual play",                                  // Fear
    "be made more feminine by your partner, or make a partner more feminine",     // Feminization
    "insert a whole hand into your partner or have it done to you",               // Fisting
    "humiliate your partner or be humiliated",                                    // Humiliation
    "role-play sex between members of the same family",                           // Incest
    "be with a partner who has little or no sexual experience",                   // Inexperienced
    "be treated like a baby by your partner, or look after one who is",           // Infantilist
    "fantasize about bodies being inflated or swelling up",                       // Inflation
    "be with a partner in heat, or be in heat yourself",                          // In-Heat
    "bring breast milk and lactation into your play",                             // Lactophile
    "be with partners who have big, heavy bodies",                                // Large Body
    "wear latex or rubber, or see your partner in it",                            // Latex
    "wear leather, or see your partner in it",                                    // Leather
    "wear a leash and collar, or put them on your partner",                       // Leashes and Collars
    "be intimate with robots, androids or other mechanical beings",               // Machinist
    "use sex machines and other mechanical devices",                              // Machinery
    "use magic or magical powers in your play",                                   // Magical
    "act as the master of a partner who serves you",                              // Mastering
    "masturbate, or watch your partner masturbate",                               // Masterbation
    "get messy and sticky with fluids, food or mud",                              // Messy
    "control your partner's mind or have yours controlled, e.g. by hypnosis",     // Mind Control
    "enjoy the natural scent and musk of your partner",                           // Musky
    "pinch, clamp or otherwise torment nipples",                                  // Nipple Torture
    "have a smooth body without genitals, or be with someone who has one",        // Nullification
    "give or receive oral sex",                                                   // Oral
    "keep your partner from reaching orgasm, or be kept from it yourself",        // Orgasm Denial
    "have sex with many partners at once",                                        // Orgy
    "wear panties or play with your partner's",                                   // Panties
    "be treated as a pet or keep your partner as one",                            // Pet Play
    "have piercings or play with your partner's",                                 // Piercing
    "play the predator who hunts down and takes their prey",                      // Predator
    "find pregnancy sexy, in yourself or in your partner",                        // Pregnancy
    "play the prey who gets hunted down and caught",                              // Prey
    "act out forced sex scenes that were agreed on beforehand",                   // Rape
    "lick around your partner's anus or have yours licked",                       // Rimming
    "act out scenes and characters with your partner(s)",                         // Role Play
    "make love in a tender, caring, romantic way",                                // Romantic
    "cause your partner pain for the pleasure of both of you",                    // Sadist
    "bring feces into your sexual play",                                          // Scat
    "be with partners who are short",                                             // Short Body
    "be with partners who have small, slender bodies",                            // Small Body
    "fantasize about killing or being killed during sex",                         // Snuff
    "spank or be spanked",                                                        // Spanking
    "squish or be squished under a much bigger body",                             // Squishing
    "make a female partner squirt, or squirt yourself",                           // Squirting
    "give up control and submit to your partner(s)",                              // Submissive
    "switch between the dominant and the submissive role",                        // Switch
    "be with partners who are tall",                                              // Tall Body
    "have tattoos or be with a tattooed partner",                                 // Tattoing
    "tease your partner or be teased until someone gives in",                     // Teasing
    "tickle or be tickled",                                                       // Tickling
    "use sex toys, alone or with a partner",                                      // Toys
    "play with tentacles or tentacled creatures",                                 // Tentacles
    "change shape, or watch your partner change shape, during sex",               // Transforming
    "leave sex out of the picture because it does not interest you",              // Uninterested
    "drink blood or have your blood drunk, vampire style",                        // Vampirism
    "fantasize about swallowing someone whole or being swallowed",                // Vore
    "watch others undress or have sex",                                           // Voyeur
    "bring urine into your sexual play",                                          // Watersports
    // clang-format on
};

}  // namespace brindlex
