// The help texts beside the slider, by category index.
#pragma once

#include <array>
#include <string_view>

namespace brindlex {

constexpr int kLevelCategoryCount = 24;  // categories of tabs 0 and 1

// One text per category index; line N of a text describes answer level N + 1, strongest first.
// Categories without a level scale have an empty text.
inline constexpr std::array<std::string_view, kLevelCategoryCount> kLevelHelpTexts = {
    // clang-format off
    // 0: Species (no level)
    "",
    // 1: Specifics, tab Furryness (no level)
    "",
    // 2: Anthro Level
    "6 - Humanoid body with very little animal features\r\n"
    "3 - A good trade off between human features and feral features\r\n"
    "1 - You're a total feral furry",
    // 3: Realism
    "6 - This is a drawing? No... you lie D':\r\n"
    "5 - Photorealistic or bust, I want to see every single hair\r\n"
    "4 - Detailed and natural, with a little artistic freedom\r\n"
    "3 - Halfway between real and cartoon suits me fine\r\n"
    "2 - Stylized is nice, realism is overrated\r\n"
    "1 - Give me big eyes and bouncy toons! ^_^\r\n"
    "0 - Realism? Bring on the squiggly stick figures :P",
    // 4: Interwebs RP
    "6 - I R teh RP KING! BOW DOWN BETCHES! >:D\r\n"
    "5 - I RP every night and have more characters than I can count\r\n"
    "4 - I RP a few times a week on my favourite sites\r\n"
    "3 - I RP now and then when the mood strikes\r\n"
    "2 - Tried it a couple of times... meh\r\n"
    "1 - I've watched others RP but never joined in\r\n"
    "0 - *backs away slowly* RP? No thanks o.O",
    // 5: Fursuits
    "6 - This is not a costume, good sir, this is my skin! D:<\r\n"
    "5 - I own several suits and wear them every chance I get\r\n"
    "4 - I have my own fursuit and take it out now and then\r\n"
    "3 - I've got a partial (ears, tail, paws) or a suit on the way\r\n"
    "2 - I'd love a suit someday, saving up the pennies ;_;\r\n"
    "1 - Fun to look at, but you won't catch me in one\r\n"
    "0 - Too hot, too smelly, too expensive. Nope! >_<",
    // 6: Transformation
    "6 - Screw the legals, make me furry, NAO!!!\r\n"
    "5 - Sign me up as a beta tester for any TF serum\r\n"
    "4 - If it were safe and permanent I'd do it in a heartbeat\r\n"
    "3 - Maybe, if I could change back on weekends\r\n"
    "2 - Fun to daydream about, but I'll stay as I am\r\n"
    "1 - Only in stories and art, thanks\r\n"
    "0 - Nope, I'm keeping my opposable thumbs and bare skin :|",
    // 7: Hugs
    "6 - If it moves, I'll hug it (if it doesn't move, I'll hug it until it does >:3)\r\n"
    "5 - Hugs for everyone! Friends, strangers, lampposts... *glomp*\r\n"
    "4 - I love hugs and hand them out freely to my friends\r\n"
    "3 - A hug now and then is nice\r\n"
    "2 - Only from people I know really well\r\n"
    "1 - Ask first... and I'll probably still say no\r\n"
    "0 - Don't touch me! >:(",
    // 8: Plushies
    "6 - I build kingdoms with all my plushie friends\r\n"
    "5 - My bed is more plushie than mattress\r\n"
    "4 - I have a nice collection and every one of them has a name\r\n"
    "3 - A few plushies sit on my shelf\r\n"
    "2 - I've kept one or two from when I was little\r\n"
    "1 - They're cute, but I don't own any\r\n"
    "0 - Plushies? What am I, five? :P",
    // 9: Cons
    "6 - Been to lots of cons and have organized at least one\r\n"
    "5 - I go to several cons a year and help out as staff\r\n"
    "4 - I make it to at least one con every year\r\n"
    "3 - Been to a few cons\r\n"
    "2 - Been to one con so far\r\n"
    "1 - Never been, but I'm planning to go soon! :D\r\n"
    "0 - Never been to a con and have no plans to go",
    // 10: Art (answer 5 takes two text lines)
    "6 - Art iz lief! :D\r\n"
    "5 - I draw a lot and have a whole gallery of my own work,\r\n"
    "    commissions welcome! ^_^\r\n"
    "4 - I draw often and post my stuff online\r\n"
    "3 - I doodle sometimes and love looking at art\r\n"
    "2 - I mostly look, I can't draw to save my tail\r\n"
    "1 - I glance at some art now and then\r\n"
    "0 - Art? Meh, not my thing",
    // 11: Writing
    "6 - I dominate the writing market! >^,.,^<\r\n"
    "5 - I write all the time and have a loyal bunch of readers\r\n"
    "4 - I write stories regularly and post them online\r\n"
    "3 - I write a little something now and then\r\n"
    "2 - I mostly read, but sometimes I jot down an idea\r\n"
    "1 - I read furry stories but never write any\r\n"
    "0 - Writing? I can barely manage a shopping list o.o",
    // 12: YiffyYiffy
    "6 - What more is there to do in lief than yiff? :D\r\n"
    "5 - I yiff often and love every minute of it ;3\r\n"
    "4 - Yiff is a big part of my furry life\r\n"
    "3 - Yiff is nice, now and then\r\n"
    "2 - A little yiff is OK, but it's not why I'm here\r\n"
    "1 - I'd rather keep my fur clean, thanks\r\n"
    "0 - Yiff? Ewww, no! >_<",
    // 13: Specifics, tab Humanness (age)
    "6 - 60+\r\n"
    "5 - 50 => 59\r\n"
    "4 - 40 => 49\r\n"
    "3 - 30 => 39\r\n"
    "2 - 20 => 29\r\n"
    "1 - 10 => 19\r\n"
    "0 - Under 10 years of age",
    // 14: Education
    "6 - Doctorate or equivalent\r\n"
    "5 - Master's degree or equivalent\r\n"
    "4 - Bachelor's degree or equivalent\r\n"
    "3 - Some post-high school training\r\n"
    "2 - High school grad/GED\r\n"
    "1 - Haven't finished high school\r\n"
    "0 - Haven't started highschool",
    // 15: Work (no level)
    "",
    // 16: FurFactor
    "6 - I r nawt h00man, I am FURREH! =^3^=\r\n"
    "5 - Furry through and through, the human part is just a costume\r\n"
    "4 - Being furry is a big part of who I am\r\n"
    "3 - Half furry, half human, all awesome\r\n"
    "2 - Mostly human with a few furry bits\r\n"
    "1 - I just like furry stuff, that's all\r\n"
    "0 - 100% h00man, I just hang around here :P",
    // 17: Living
    "6 - Living with a spouse/significant other on a long term basis\r\n"
    "5 - Living with my partner, just the two of us for now\r\n"
    "4 - Living on my own, king/queen of my castle\r\n"
    "3 - Sharing a place with roommates\r\n"
    "2 - Living with relatives\r\n"
    "1 - Still living with my parents\r\n"
    "0 - No fixed place right now (couch, dorm, cardboard box...)",
    // 18: Pets
    "6 - I have lots 'n lots 'n lots of animals at my place ^_^\r\n"
    "5 - I've got a few pets and they run the house\r\n"
    "4 - I have a couple of pets I totally dote on\r\n"
    "3 - I have one pet who is my best friend\r\n"
    "2 - No pets right now, but I used to have some\r\n"
    "1 - I'd like a pet someday\r\n"
    "0 - No pets, never had any, and I'm fine with that",
    // 19: Gaming
    "6 - I'm MLG pro, n00bz!\r\n"
    "5 - I play every day and I'm pretty darn good at it\r\n"
    "4 - I game a lot, most evenings and weekends\r\n"
    "3 - I play a few games now and then\r\n"
    "2 - A quick game once in a while\r\n"
    "1 - I used to play, but not much anymore\r\n"
    "0 - Games? I have a life, you know :P",
    // 20: Interwebs
    "6 - I am a Webmaster/Admin to my website or I am moderator/staff member on a well established site\r\n"
    "5 - I run my own little site or blog and keep it updated\r\n"
    "4 - I post on forums and sites every single day\r\n"
    "3 - I browse a lot and post now and then\r\n"
    "2 - I mostly lurk and read\r\n"
    "1 - I check my email and that's about it\r\n"
    "0 - What's this \"interwebs\" thing? o.O",
    // 21: Compy
    "6 - Imma have the first person to receive anelectronic interface in my head\r\n"
    "5 - I build my own machines and write my own code\r\n"
    "4 - I can fix most computer problems myself\r\n"
    "3 - I know my way around a computer pretty well\r\n"
    "2 - I can get online and do the basics\r\n"
    "1 - I need help every time something goes wrong\r\n"
    "0 - Which one is the \"any key\"? D:",
    // 22: Anime
    "6 - I am a writer/artist/seyeiuu\r\n"
    "5 - I watch everything and go to anime cons in cosplay\r\n"
    "4 - I watch lots of anime and read manga\r\n"
    "3 - I watch a series now and then\r\n"
    "2 - I've seen a few shows, they're OK\r\n"
    "1 - I've heard of it but never really watched any\r\n"
    "0 - Anime? Cartoons from Japan? No thanks",
    // 23: Sex
    "6 - Motto I go by: life is a glass and sex is the beverage; without it, life is empty! Sex IS life!\r\n"
    "5 - Sex is great and I get plenty of it ;3\r\n"
    "4 - I enjoy sex on a regular basis\r\n"
    "3 - Sex is nice once in a while\r\n"
    "2 - Not much going on there, and that's OK\r\n"
    "1 - Haven't had sex yet, but maybe someday\r\n"
    "0 - Not interested in sex at all",
    // clang-format on
};

}  // namespace brindlex
