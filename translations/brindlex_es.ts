<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Answers</name>
    <message>
        <source>Sexually Attracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Attracted To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dislike</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specifics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anthro Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interwebs RP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fursuits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made own suit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hugs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plushies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YiffyYiffy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YiffyYiffy preference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Education</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trained in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FurFactor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Living</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interwebs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furry site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating systems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sex preference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include my kinks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guys: %1, girls: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 of 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 of 7, below &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot; and below &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>role play %1, real life %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Families</name>
    <message>
        <source>Undecided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artiodactyla (Two-Hoofed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canidae (Dog)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centaur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiroptera (Bat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cetacea (Whale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equidae (Horse)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edentata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feline (Cat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herpestidae (Mongoose)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyaenidae</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insectivora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagomorpha (Rabbit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mustelidae (Weasel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marsupialia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monotremata (Platypy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Procyonidae (Racoon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinnipedia (Seal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rodentia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scaly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ursidae (Bear)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viverridae (Civet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mythical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>RPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMORPG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action/Adventure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music/Dance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board and Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Genders</name>
    <message>
        <source>Polymorph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Male</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Female</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Check off any characteristics your characer has, left check are self explanitory
Alt. Ego means that this is you as a furred character
Costume char means its a character you like to dress up as this character
Picture char means this character is used in artwork
RP char means you use this character to Role Play/MUCK
Guardian char means that this is your &quot;guardian spirit&quot; or totem
Story char means that this is a character you use to write in stories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Humanoid body with very little animal features
3 - A good trade off between human features and feral features
1 - You&apos;re a total feral furry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - This is a drawing? No... you lie D&apos;:
5 - Photorealistic or bust, I want to see every single hair
4 - Detailed and natural, with a little artistic freedom
3 - Halfway between real and cartoon suits me fine
2 - Stylized is nice, realism is overrated
1 - Give me big eyes and bouncy toons! ^_^
0 - Realism? Bring on the squiggly stick figures :P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I R teh RP KING! BOW DOWN BETCHES! &gt;:D
5 - I RP every night and have more characters than I can count
4 - I RP a few times a week on my favourite sites
3 - I RP now and then when the mood strikes
2 - Tried it a couple of times... meh
1 - I&apos;ve watched others RP but never joined in
0 - *backs away slowly* RP? No thanks o.O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - This is not a costume, good sir, this is my skin! D:&lt;
5 - I own several suits and wear them every chance I get
4 - I have my own fursuit and take it out now and then
3 - I&apos;ve got a partial (ears, tail, paws) or a suit on the way
2 - I&apos;d love a suit someday, saving up the pennies ;_;
1 - Fun to look at, but you won&apos;t catch me in one
0 - Too hot, too smelly, too expensive. Nope! &gt;_&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Screw the legals, make me furry, NAO!!!
5 - Sign me up as a beta tester for any TF serum
4 - If it were safe and permanent I&apos;d do it in a heartbeat
3 - Maybe, if I could change back on weekends
2 - Fun to daydream about, but I&apos;ll stay as I am
1 - Only in stories and art, thanks
0 - Nope, I&apos;m keeping my opposable thumbs and bare skin :|</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - If it moves, I&apos;ll hug it (if it doesn&apos;t move, I&apos;ll hug it until it does &gt;:3)
5 - Hugs for everyone! Friends, strangers, lampposts... *glomp*
4 - I love hugs and hand them out freely to my friends
3 - A hug now and then is nice
2 - Only from people I know really well
1 - Ask first... and I&apos;ll probably still say no
0 - Don&apos;t touch me! &gt;:(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I build kingdoms with all my plushie friends
5 - My bed is more plushie than mattress
4 - I have a nice collection and every one of them has a name
3 - A few plushies sit on my shelf
2 - I&apos;ve kept one or two from when I was little
1 - They&apos;re cute, but I don&apos;t own any
0 - Plushies? What am I, five? :P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Been to lots of cons and have organized at least one
5 - I go to several cons a year and help out as staff
4 - I make it to at least one con every year
3 - Been to a few cons
2 - Been to one con so far
1 - Never been, but I&apos;m planning to go soon! :D
0 - Never been to a con and have no plans to go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Art iz lief! :D
5 - I draw a lot and have a whole gallery of my own work,
    commissions welcome! ^_^
4 - I draw often and post my stuff online
3 - I doodle sometimes and love looking at art
2 - I mostly look, I can&apos;t draw to save my tail
1 - I glance at some art now and then
0 - Art? Meh, not my thing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I dominate the writing market! &gt;^,.,^&lt;
5 - I write all the time and have a loyal bunch of readers
4 - I write stories regularly and post them online
3 - I write a little something now and then
2 - I mostly read, but sometimes I jot down an idea
1 - I read furry stories but never write any
0 - Writing? I can barely manage a shopping list o.o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - What more is there to do in lief than yiff? :D
5 - I yiff often and love every minute of it ;3
4 - Yiff is a big part of my furry life
3 - Yiff is nice, now and then
2 - A little yiff is OK, but it&apos;s not why I&apos;m here
1 - I&apos;d rather keep my fur clean, thanks
0 - Yiff? Ewww, no! &gt;_&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - 60+
5 - 50 =&gt; 59
4 - 40 =&gt; 49
3 - 30 =&gt; 39
2 - 20 =&gt; 29
1 - 10 =&gt; 19
0 - Under 10 years of age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Doctorate or equivalent
5 - Master&apos;s degree or equivalent
4 - Bachelor&apos;s degree or equivalent
3 - Some post-high school training
2 - High school grad/GED
1 - Haven&apos;t finished high school
0 - Haven&apos;t started highschool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is your current employment type and what are you trained in?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I r nawt h00man, I am FURREH! =^3^=
5 - Furry through and through, the human part is just a costume
4 - Being furry is a big part of who I am
3 - Half furry, half human, all awesome
2 - Mostly human with a few furry bits
1 - I just like furry stuff, that&apos;s all
0 - 100% h00man, I just hang around here :P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Living with a spouse/significant other on a long term basis
5 - Living with my partner, just the two of us for now
4 - Living on my own, king/queen of my castle
3 - Sharing a place with roommates
2 - Living with relatives
1 - Still living with my parents
0 - No fixed place right now (couch, dorm, cardboard box...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I have lots &apos;n lots &apos;n lots of animals at my place ^_^
5 - I&apos;ve got a few pets and they run the house
4 - I have a couple of pets I totally dote on
3 - I have one pet who is my best friend
2 - No pets right now, but I used to have some
1 - I&apos;d like a pet someday
0 - No pets, never had any, and I&apos;m fine with that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I&apos;m MLG pro, n00bz!
5 - I play every day and I&apos;m pretty darn good at it
4 - I game a lot, most evenings and weekends
3 - I play a few games now and then
2 - A quick game once in a while
1 - I used to play, but not much anymore
0 - Games? I have a life, you know :P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I am a Webmaster/Admin to my website or I am moderator/staff member on a well established site
5 - I run my own little site or blog and keep it updated
4 - I post on forums and sites every single day
3 - I browse a lot and post now and then
2 - I mostly lurk and read
1 - I check my email and that&apos;s about it
0 - What&apos;s this &quot;interwebs&quot; thing? o.O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Imma have the first person to receive anelectronic interface in my head
5 - I build my own machines and write my own code
4 - I can fix most computer problems myself
3 - I know my way around a computer pretty well
2 - I can get online and do the basics
1 - I need help every time something goes wrong
0 - Which one is the &quot;any key&quot;? D:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - I am a writer/artist/seyeiuu
5 - I watch everything and go to anime cons in cosplay
4 - I watch lots of anime and read manga
3 - I watch a series now and then
2 - I&apos;ve seen a few shows, they&apos;re OK
1 - I&apos;ve heard of it but never really watched any
0 - Anime? Cartoons from Japan? No thanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 - Motto I go by: life is a glass and sex is the beverage; without it, life is empty! Sex IS life!
5 - Sex is great and I get plenty of it ;3
4 - I enjoy sex on a regular basis
3 - Sex is nice once in a while
2 - Not much going on there, and that&apos;s OK
1 - Haven&apos;t had sex yet, but maybe someday
0 - Not interested in sex at all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to show your kinks in your code line?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KinkDescriptions</name>
    <message>
        <source>have sexual encounters in a fursuit or with someone in one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use plushies for sexual pleasure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feel sexual attraction toward real, non-anthro animals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>role-play as someone older or younger than you really are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have anal sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>try pretty much anything your partner(s) come up with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bite or be bitten during sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring blood into your sexual play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tie up your partner or be tied up yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark or be marked with a permanent brand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fondle, kiss and otherwise play with breasts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restrict breathing during sex for a heightened rush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have sex with the aim or fantasy of making offspring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kiss, lick or otherwise adore your partner&apos;s boots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasize about castrating someone or being castrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give or receive pain to the genitals (cock and ball torture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have sex under the influence of alcohol or other substances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s vagina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>savor your partner&apos;s cum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be covered in cum or cover your partner in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s penis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear clothes usually worn by the other gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have an accepting consensus between the partners involved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cuddle and snuggle with your partner(s) before/during/after sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take control and dominate your partner(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use sex dolls or act as a living doll for your partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear diapers or have your partner wear them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set rules and punish when they are broken, or be punished yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>talk dirty or be talked dirty to during sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>misbehave on purpose so that you get put in your place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>color your fur, hair or skin with dyes or body paint for play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give or receive enemas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use electrical stimulation for sexual pleasure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show yourself off or have sex where others might see</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with a partner who has plenty of sexual experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring food into your sexual play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give feet or paws sexual attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scare or be scared as part of sexual play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be made more feminine by your partner, or make a partner more feminine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert a whole hand into your partner or have it done to you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>humiliate your partner or be humiliated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>role-play sex between members of the same family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with a partner who has little or no sexual experience</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be treated like a baby by your partner, or look after one who is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasize about bodies being inflated or swelling up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with a partner in heat, or be in heat yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring breast milk and lactation into your play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with partners who have big, heavy bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear latex or rubber, or see your partner in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear leather, or see your partner in it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear a leash and collar, or put them on your partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be intimate with robots, androids or other mechanical beings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use sex machines and other mechanical devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use magic or magical powers in your play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>act as the master of a partner who serves you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>masturbate, or watch your partner masturbate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>get messy and sticky with fluids, food or mud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control your partner&apos;s mind or have yours controlled, e.g. by hypnosis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enjoy the natural scent and musk of your partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pinch, clamp or otherwise torment nipples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have a smooth body without genitals, or be with someone who has one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give or receive oral sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep your partner from reaching orgasm, or be kept from it yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have sex with many partners at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wear panties or play with your partner&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be treated as a pet or keep your partner as one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have piercings or play with your partner&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play the predator who hunts down and takes their prey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find pregnancy sexy, in yourself or in your partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play the prey who gets hunted down and caught</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>act out forced sex scenes that were agreed on beforehand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lick around your partner&apos;s anus or have yours licked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>act out scenes and characters with your partner(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make love in a tender, caring, romantic way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cause your partner pain for the pleasure of both of you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring feces into your sexual play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with partners who are short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with partners who have small, slender bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasize about killing or being killed during sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spank or be spanked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>squish or be squished under a much bigger body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make a female partner squirt, or squirt yourself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give up control and submit to your partner(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch between the dominant and the submissive role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be with partners who are tall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have tattoos or be with a tattooed partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tease your partner or be teased until someone gives in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tickle or be tickled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>use sex toys, alone or with a partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>play with tentacles or tentacled creatures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change shape, or watch your partner change shape, during sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave sex out of the picture because it does not interest you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drink blood or have your blood drunk, vampire style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasize about swallowing someone whole or being swallowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>watch others undress or have sex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring urine into your sexual play</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Kinks</name>
    <message>
        <source>Fursuit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plushies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoophilia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anything Goes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blood</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bondage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Branding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breast Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breeding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot Worship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Castration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical Influence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cunt Worship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cum (love of)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cum (covered in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cock Worship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crossdressing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consensual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuddling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diapers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirty Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disobedient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dyes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Stim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exibitionist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Food Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feminization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fisting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humiliation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inexperienced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infantilist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In-Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lactophile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leashes and Collars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machinist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machinery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mastering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masterbation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mind Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nipple Torture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nullification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orgasm Denial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orgy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pet Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piercing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pregnancy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rimming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romantic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sadist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snuff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Squirting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submissive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tall Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tattoing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teasing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tickling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tentacles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transforming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninterested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vampirism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voyeur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watersports</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListQuestions</name>
    <message>
        <source>Species family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Species</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trained field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real life</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>does not begin with 2.0F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown family code &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown family code (byte 0x%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Repairs</name>
    <message>
        <source>byte %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>byte %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; overridden by a later token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; skipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>Antelope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cattle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Llama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gnu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reindeer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warthog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gazelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albatross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falcon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arctic Fox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coyote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dingo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mutt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manned Wolf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeebra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flying Fox/Fruit Bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vampire Bat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armadillo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bobcat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clouded Leopard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domesticated Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cheetah</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puma/Cougar/Mtn Lion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocelot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leopard/Panther</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ServalWild Cat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caracal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snow Leopard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meerkat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jack Rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Badger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ermine/Stoat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ferret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polecat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratel/Honey Badger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wolverine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weasel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wombat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasmanian Devil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallaby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platypus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walrus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grey Squirrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porcupine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Squirrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muskrat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alligator/Crocodile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coelurosaur (Velociraptor, etc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carnosaur (Tyrannosaurus, etc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tortoise/Turtle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear (Polar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear (Black)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bear (Grizzly/Brown/Kodiak)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gargoyle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manticore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gryphon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hippogriff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mermaid/Merman</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Systems</name>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linux</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Furryness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humanness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yiffyness</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Traits</name>
    <message>
        <source>Cyborg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werehuman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psychic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alter Ego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costume Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RP Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardian Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Story Character</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Work</name>
    <message>
        <source>Unspecify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business/Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crafts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Construction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technology</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generic Engineer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Farming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banking/Finance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Government/Public Service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing/Literature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media/Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Human Medicine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Science</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Student</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theatre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vetinary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furry Relations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not working</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::ABOUTFORM</name>
    <message>
        <source>About Brindlex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program was created for people to define their furry involvement and life stylings.  The old code was wayyyyy outdated and needed to be updated to fit the needs of today&apos;s current furry culture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed by the Brindlex developers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::ANSWERSTORE</name>
    <message>
        <source>Your answers from the last time could not be read back (%1), so Brindlex starts with empty answers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answers could not be kept for the next time: %1 cannot be written (%2).

Brindlex goes on working; save your code line with &quot;%3&quot; to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::MAINFORM</name>
    <message>
        <source>%1 level</source>
        <comment>what the slider of a category asks</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom species name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify Actual Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role Play Kink:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real Life Kink:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you like to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I made my own suit
(Only applies to lvl 4+)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is the site a furry site?
(Only applies to lvl 6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;My Custom Animal&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES YES YES :D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meh...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOOOOO!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify my sexual preference:
Guys | Girls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <comment>the species entry that stands for a name of one&apos;s own</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am trained in this field</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::MenuCommands</name>
    <message>
        <source>Save as Txt File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Txt File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read a Code Line...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check For Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I am old enough to view adult material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code line could not be saved to %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Txt File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first line of %1 is no code line that Brindlex can read (%2). Your answers are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear every answer and start over with an empty questionnaire?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::ReadCodeLineWindow</name>
    <message>
        <source>Read a Code Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste a code line beginning with 2.0F, or a whole post that holds some.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code lines found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only &amp;differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers of the selected line beside yours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairs of the selected line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use These Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use These Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste a code line or a whole post:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code &amp;lines found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Answers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repairs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repairs: none, the line reads as it is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repairs: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No code line found: a code line begins with &quot;2.0F&quot; and a family code.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answer differs from yours, %2 the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers differ from yours, %2 the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace all your answers with the answers of the code line on line %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>brindlex::ReaderAnswerModel</name>
    <message>
        <source>differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Their answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differs from your answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
