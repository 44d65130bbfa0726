<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Answers</name>
    <message>
        <source>Sexually Attracted</source>
        <translation>Finde ich heiß</translation>
    </message>
    <message>
        <source>Not Attracted To</source>
        <translation>Reizt mich nicht</translation>
    </message>
    <message>
        <source>Unsure</source>
        <translation>Weiß nicht</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Mag ich</translation>
    </message>
    <message>
        <source>Dislike</source>
        <translation>Mag ich nicht</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Vielleicht</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Species</source>
        <translation>Spezies</translation>
    </message>
    <message>
        <source>Specifics</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Traits</source>
        <translation>Merkmale</translation>
    </message>
    <message>
        <source>Character gender</source>
        <translation>Geschlecht des Charakters</translation>
    </message>
    <message>
        <source>Anthro Level</source>
        <translation>Anthro-Level</translation>
    </message>
    <message>
        <source>Realism</source>
        <translation>Realismus</translation>
    </message>
    <message>
        <source>Interwebs RP</source>
        <translation>Interwebs-RP</translation>
    </message>
    <message>
        <source>Fursuits</source>
        <translation>Fursuits</translation>
    </message>
    <message>
        <source>Made own suit</source>
        <translation>Suit selbst gemacht</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Verwandlung</translation>
    </message>
    <message>
        <source>Hugs</source>
        <translation>Knuddeln</translation>
    </message>
    <message>
        <source>Plushies</source>
        <translation>Plüschis</translation>
    </message>
    <message>
        <source>Cons</source>
        <translation>Cons</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kunst</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>YiffyYiffy</source>
        <translation>YiffyYiffy</translation>
    </message>
    <message>
        <source>YiffyYiffy preference</source>
        <translation>YiffyYiffy-Vorliebe</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <source>Own gender</source>
        <translation>Eigenes Geschlecht</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Trained in</source>
        <translation>Ausgebildet in</translation>
    </message>
    <message>
        <source>FurFactor</source>
        <translation>Fellfaktor</translation>
    </message>
    <message>
        <source>Living</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Haustiere</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Zocken</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Interwebs</source>
        <translation>Interwebs</translation>
    </message>
    <message>
        <source>Furry site</source>
        <translation>Furry-Seite</translation>
    </message>
    <message>
        <source>Compy</source>
        <translation>Compi</translation>
    </message>
    <message>
        <source>Operating systems</source>
        <translation>Betriebssysteme</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>Anime</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Sex preference</source>
        <translation>Sexuelle Vorliebe</translation>
    </message>
    <message>
        <source>Include my kinks</source>
        <translation>Meine Kinks zeigen</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>keine Angabe</translation>
    </message>
    <message>
        <source>guys: %1, girls: %2</source>
        <translation>Jungs: %1, Mädels: %2</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>step %1 of 7</source>
        <translation>Stufe %1 von 7</translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot;</source>
        <translation>Stufe %1 von 7, über „%2“</translation>
    </message>
    <message>
        <source>step %1 of 7, below &quot;%2&quot;</source>
        <translation>Stufe %1 von 7, unter „%2“</translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot; and below &quot;%3&quot;</source>
        <translation>Stufe %1 von 7, über „%2“ und unter „%3“</translation>
    </message>
    <message>
        <source>role play %1, real life %2</source>
        <translation>im Rollenspiel: %1, im echten Leben: %2</translation>
    </message>
</context>
<context>
    <name>Families</name>
    <message>
        <source>Undecided</source>
        <translation>Unentschlossen</translation>
    </message>
    <message>
        <source>Artiodactyla (Two-Hoofed)</source>
        <translation>Artiodactyla (Paarhufer)</translation>
    </message>
    <message>
        <source>Avian</source>
        <translation>Vögel</translation>
    </message>
    <message>
        <source>Canidae (Dog)</source>
        <translation>Canidae (Hund)</translation>
    </message>
    <message>
        <source>Centaur</source>
        <translation>Zentaur</translation>
    </message>
    <message>
        <source>Chiroptera (Bat)</source>
        <translation>Chiroptera (Fledermaus)</translation>
    </message>
    <message>
        <source>Cetacea (Whale)</source>
        <translation>Cetacea (Wal)</translation>
    </message>
    <message>
        <source>Equidae (Horse)</source>
        <translation>Equidae (Pferd)</translation>
    </message>
    <message>
        <source>Edentata</source>
        <translation>Edentata</translation>
    </message>
    <message>
        <source>Feline (Cat)</source>
        <translation>Felidae (Katze)</translation>
    </message>
    <message>
        <source>Herpestidae (Mongoose)</source>
        <translation>Herpestidae (Mungo)</translation>
    </message>
    <message>
        <source>Hyaenidae</source>
        <translation>Hyaenidae</translation>
    </message>
    <message>
        <source>Insectivora</source>
        <translation>Insectivora</translation>
    </message>
    <message>
        <source>Lagomorpha (Rabbit)</source>
        <translation>Lagomorpha (Hase)</translation>
    </message>
    <message>
        <source>Mustelidae (Weasel)</source>
        <translation>Mustelidae (Wiesel)</translation>
    </message>
    <message>
        <source>Marsupialia</source>
        <translation>Marsupialia</translation>
    </message>
    <message>
        <source>Monotremata (Platypy)</source>
        <translation>Monotremata (Schnabeltiere)</translation>
    </message>
    <message>
        <source>Procyonidae (Racoon)</source>
        <translation>Procyonidae (Waschbär)</translation>
    </message>
    <message>
        <source>Pinnipedia (Seal)</source>
        <translation>Pinnipedia (Robbe)</translation>
    </message>
    <message>
        <source>Primate</source>
        <translation>Primaten</translation>
    </message>
    <message>
        <source>Rodentia</source>
        <translation>Rodentia</translation>
    </message>
    <message>
        <source>Scaly</source>
        <translation>Schuppig</translation>
    </message>
    <message>
        <source>Ursidae (Bear)</source>
        <translation>Ursidae (Bär)</translation>
    </message>
    <message>
        <source>Viverridae (Civet)</source>
        <translation>Viverridae (Zibetkatze)</translation>
    </message>
    <message>
        <source>Mythical</source>
        <translation>Fabelwesen</translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation>Polymorph</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>RPG</source>
        <translation>RPG</translation>
    </message>
    <message>
        <source>MMORPG</source>
        <translation>MMORPG</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>Shooter</translation>
    </message>
    <message>
        <source>Action/Adventure</source>
        <translation>Action/Adventure</translation>
    </message>
    <message>
        <source>Music/Dance</source>
        <translation>Musik/Tanz</translation>
    </message>
    <message>
        <source>Board and Card</source>
        <translation>Brett &amp; Karten</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzzle</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Sport</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>Genders</name>
    <message>
        <source>Polymorph</source>
        <translation>Polymorph</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Weiblich</translation>
    </message>
    <message>
        <source>Herm</source>
        <translation>Herm</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>Keine Angabe</translation>
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
        <translation>Hake alle Merkmale an, die dein Charakter hat; die linken erklären sich von selbst
Alter Ego heißt: Das bist du selbst als Fellwesen
Kostümfigur heißt: In diese Figur schlüpfst du gern hinein
Bildfigur heißt: Dieser Charakter taucht in Artwork auf
RP-Charakter heißt: Mit ihm spielst du Rollenspiele/MUCKs
Schutzgeist heißt: Das ist dein „Schutzgeist“ oder Totem
Geschichtenfigur heißt: Über diesen Charakter schreibst du Geschichten</translation>
    </message>
    <message>
        <source>6 - Humanoid body with very little animal features
3 - A good trade off between human features and feral features
1 - You&apos;re a total feral furry</source>
        <translation>6 - Menschlicher Körper mit nur wenigen tierischen Zügen
3 - Eine gute Mischung aus menschlichen und feralen Zügen
1 - Du bist ein komplett feraler Furry</translation>
    </message>
    <message>
        <source>6 - This is a drawing? No... you lie D&apos;:
5 - Photorealistic or bust, I want to see every single hair
4 - Detailed and natural, with a little artistic freedom
3 - Halfway between real and cartoon suits me fine
2 - Stylized is nice, realism is overrated
1 - Give me big eyes and bouncy toons! ^_^
0 - Realism? Bring on the squiggly stick figures :P</source>
        <translation>6 - Das ist eine Zeichnung? Nein... du lügst D&apos;:
5 - Fotorealistisch oder gar nicht, ich will jedes einzelne Haar sehen
4 - Detailliert und natürlich, mit ein bisschen künstlerischer Freiheit
3 - Halb echt, halb Cartoon, passt mir gut
2 - Stilisiert ist schön, Realismus wird überbewertet
1 - Her mit großen Augen und hüpfenden Toons! ^_^
0 - Realismus? Her mit den krakeligen Strichmännchen :P</translation>
    </message>
    <message>
        <source>6 - I R teh RP KING! BOW DOWN BETCHES! &gt;:D
5 - I RP every night and have more characters than I can count
4 - I RP a few times a week on my favourite sites
3 - I RP now and then when the mood strikes
2 - Tried it a couple of times... meh
1 - I&apos;ve watched others RP but never joined in
0 - *backs away slowly* RP? No thanks o.O</source>
        <translation>6 - ICH BIN DER RP-KÖNIG! VERBEUGT EUCH, IHR NOOBS! &gt;:D
5 - Ich RP jede Nacht und habe mehr Charaktere, als ich zählen kann
4 - Ich RP ein paar Mal pro Woche auf meinen Lieblingsseiten
3 - Ich RP ab und zu, wenn mir danach ist
2 - Hab&apos;s ein paarmal probiert... joa
1 - Ich hab anderen beim RP zugeschaut, aber nie mitgemacht
0 - *weicht langsam zurück* RP? Nein danke o.O</translation>
    </message>
    <message>
        <source>6 - This is not a costume, good sir, this is my skin! D:&lt;
5 - I own several suits and wear them every chance I get
4 - I have my own fursuit and take it out now and then
3 - I&apos;ve got a partial (ears, tail, paws) or a suit on the way
2 - I&apos;d love a suit someday, saving up the pennies ;_;
1 - Fun to look at, but you won&apos;t catch me in one
0 - Too hot, too smelly, too expensive. Nope! &gt;_&lt;</source>
        <translation>6 - Das ist kein Kostüm, werter Herr, das ist meine Haut! D:&lt;
5 - Ich habe mehrere Suits und trage sie bei jeder Gelegenheit
4 - Ich habe einen eigenen Fursuit und führe ihn ab und zu aus
3 - Ich habe einen Partial (Ohren, Schwanz, Pfoten) oder ein Suit ist unterwegs
2 - Irgendwann hätte ich gern einen Suit, ich spare schon ;_;
1 - Schön anzusehen, aber mich kriegt da keiner rein
0 - Zu heiß, zu müffelig, zu teuer. Nö! &gt;_&lt;</translation>
    </message>
    <message>
        <source>6 - Screw the legals, make me furry, NAO!!!
5 - Sign me up as a beta tester for any TF serum
4 - If it were safe and permanent I&apos;d do it in a heartbeat
3 - Maybe, if I could change back on weekends
2 - Fun to daydream about, but I&apos;ll stay as I am
1 - Only in stories and art, thanks
0 - Nope, I&apos;m keeping my opposable thumbs and bare skin :|</source>
        <translation>6 - Scheiß auf die Gesetze, macht mich furry, SOFORT!!!
5 - Meldet mich als Betatester für jedes TF-Serum an
4 - Wenn es sicher und dauerhaft wäre, sofort
3 - Vielleicht, wenn ich mich am Wochenende zurückverwandeln könnte
2 - Schön zum Tagträumen, aber ich bleibe, wie ich bin
1 - Nur in Geschichten und Bildern, danke
0 - Nö, ich behalte meine Daumen und meine nackte Haut :|</translation>
    </message>
    <message>
        <source>6 - If it moves, I&apos;ll hug it (if it doesn&apos;t move, I&apos;ll hug it until it does &gt;:3)
5 - Hugs for everyone! Friends, strangers, lampposts... *glomp*
4 - I love hugs and hand them out freely to my friends
3 - A hug now and then is nice
2 - Only from people I know really well
1 - Ask first... and I&apos;ll probably still say no
0 - Don&apos;t touch me! &gt;:(</source>
        <translation>6 - Wenn es sich bewegt, knuddle ich es (wenn nicht, knuddle ich es, bis es das tut &gt;:3)
5 - Knuddler für alle! Freunde, Fremde, Laternenpfähle... *glomp*
4 - Ich liebe Knuddler und verteile sie großzügig an Freunde
3 - Ab und zu eine Umarmung ist schön
2 - Nur von Leuten, die ich richtig gut kenne
1 - Erst fragen... und wahrscheinlich sage ich trotzdem nein
0 - Fass mich nicht an! &gt;:(</translation>
    </message>
    <message>
        <source>6 - I build kingdoms with all my plushie friends
5 - My bed is more plushie than mattress
4 - I have a nice collection and every one of them has a name
3 - A few plushies sit on my shelf
2 - I&apos;ve kept one or two from when I was little
1 - They&apos;re cute, but I don&apos;t own any
0 - Plushies? What am I, five? :P</source>
        <translation>6 - Ich baue ganze Königreiche mit all meinen Plüschfreunden
5 - Mein Bett ist mehr Plüsch als Matratze
4 - Ich habe eine schöne Sammlung und jedes hat einen Namen
3 - Ein paar Plüschis sitzen in meinem Regal
2 - Ein, zwei habe ich noch von früher
1 - Die sind süß, aber ich habe keine
0 - Plüschtiere? Bin ich fünf, oder was? :P</translation>
    </message>
    <message>
        <source>6 - Been to lots of cons and have organized at least one
5 - I go to several cons a year and help out as staff
4 - I make it to at least one con every year
3 - Been to a few cons
2 - Been to one con so far
1 - Never been, but I&apos;m planning to go soon! :D
0 - Never been to a con and have no plans to go</source>
        <translation>6 - War schon auf vielen Cons und habe mindestens eine mitorganisiert
5 - Ich fahre jedes Jahr auf mehrere Cons und helfe als Staff mit
4 - Ich schaffe es jedes Jahr auf mindestens eine Con
3 - War schon auf ein paar Cons
2 - War bisher auf einer Con
1 - Noch nie, aber ich will bald mal hin! :D
0 - War noch nie auf einer Con und habe es auch nicht vor</translation>
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
        <translation>6 - Kunst is Lebn! :D
5 - Ich zeichne viel und habe eine ganze Galerie eigener Werke,
    Commissions willkommen! ^_^
4 - Ich zeichne oft und stelle meine Sachen online
3 - Ich kritzle manchmal und schaue mir gern Kunst an
2 - Ich schaue meist nur, zeichnen kann ich nicht mal mit der Pfote
1 - Ab und zu werfe ich einen Blick auf Artwork
0 - Kunst? Joa, nicht so mein Ding</translation>
    </message>
    <message>
        <source>6 - I dominate the writing market! &gt;^,.,^&lt;
5 - I write all the time and have a loyal bunch of readers
4 - I write stories regularly and post them online
3 - I write a little something now and then
2 - I mostly read, but sometimes I jot down an idea
1 - I read furry stories but never write any
0 - Writing? I can barely manage a shopping list o.o</source>
        <translation>6 - Ich beherrsche den Schreibmarkt! &gt;^,.,^&lt;
5 - Ich schreibe ständig und habe eine treue Leserschaft
4 - Ich schreibe regelmäßig Geschichten und stelle sie online
3 - Ab und zu schreibe ich mal was
2 - Ich lese meistens, aber manchmal notiere ich mir eine Idee
1 - Ich lese Furry-Geschichten, schreibe aber selbst keine
0 - Schreiben? Ich kriege kaum einen Einkaufszettel hin o.o</translation>
    </message>
    <message>
        <source>6 - What more is there to do in lief than yiff? :D
5 - I yiff often and love every minute of it ;3
4 - Yiff is a big part of my furry life
3 - Yiff is nice, now and then
2 - A little yiff is OK, but it&apos;s not why I&apos;m here
1 - I&apos;d rather keep my fur clean, thanks
0 - Yiff? Ewww, no! &gt;_&lt;</source>
        <translation>6 - Was gibt&apos;s im Lebn Schöneres als Yiff? :D
5 - Ich yiffe oft und genieße jede Minute ;3
4 - Yiff ist ein großer Teil meines Furry-Lebens
3 - Yiff ist ab und zu ganz nett
2 - Ein bisschen Yiff ist okay, aber deswegen bin ich nicht hier
1 - Ich halte mein Fell lieber sauber, danke
0 - Yiff? Iiih, nein! &gt;_&lt;</translation>
    </message>
    <message>
        <source>6 - 60+
5 - 50 =&gt; 59
4 - 40 =&gt; 49
3 - 30 =&gt; 39
2 - 20 =&gt; 29
1 - 10 =&gt; 19
0 - Under 10 years of age</source>
        <translation>6 - 60+
5 - 50 =&gt; 59
4 - 40 =&gt; 49
3 - 30 =&gt; 39
2 - 20 =&gt; 29
1 - 10 =&gt; 19
0 - Unter 10 Jahren</translation>
    </message>
    <message>
        <source>6 - Doctorate or equivalent
5 - Master&apos;s degree or equivalent
4 - Bachelor&apos;s degree or equivalent
3 - Some post-high school training
2 - High school grad/GED
1 - Haven&apos;t finished high school
0 - Haven&apos;t started highschool</source>
        <translation>6 - Promotion oder Gleichwertiges
5 - Master oder Gleichwertiges
4 - Bachelor oder Gleichwertiges
3 - Etwas Ausbildung nach der Schule
2 - Schulabschluss (Abitur, Mittlere Reife o. Ä.)
1 - Schule noch nicht abgeschlossen
0 - Noch nicht in der Schule</translation>
    </message>
    <message>
        <source>What is your current employment type and what are you trained in?</source>
        <translation>Was ist deine derzeitige Beschäftigung und worin bist du ausgebildet?</translation>
    </message>
    <message>
        <source>6 - I r nawt h00man, I am FURREH! =^3^=
5 - Furry through and through, the human part is just a costume
4 - Being furry is a big part of who I am
3 - Half furry, half human, all awesome
2 - Mostly human with a few furry bits
1 - I just like furry stuff, that&apos;s all
0 - 100% h00man, I just hang around here :P</source>
        <translation>6 - Ich bin nich Mensch, ich bin FELLIG! =^3^=
5 - Durch und durch Furry, der Mensch ist nur ein Kostüm
4 - Furry zu sein ist ein großer Teil von mir
3 - Halb Furry, halb Mensch, ganz großartig
2 - Vor allem Mensch, mit ein paar Furry-Anteilen
1 - Ich mag einfach Furry-Kram, das ist alles
0 - 100 % Mensch, ich hänge hier nur rum :P</translation>
    </message>
    <message>
        <source>6 - Living with a spouse/significant other on a long term basis
5 - Living with my partner, just the two of us for now
4 - Living on my own, king/queen of my castle
3 - Sharing a place with roommates
2 - Living with relatives
1 - Still living with my parents
0 - No fixed place right now (couch, dorm, cardboard box...)</source>
        <translation>6 - Wohne auf Dauer mit Ehepartner/fester Beziehung zusammen
5 - Wohne mit meinem Partner, vorerst nur wir zwei
4 - Wohne allein, Herr/Herrin über mein Reich
3 - Wohne in einer WG
2 - Wohne bei Verwandten
1 - Wohne noch bei meinen Eltern
0 - Gerade kein fester Wohnsitz (Sofa, Wohnheim, Pappkarton...)</translation>
    </message>
    <message>
        <source>6 - I have lots &apos;n lots &apos;n lots of animals at my place ^_^
5 - I&apos;ve got a few pets and they run the house
4 - I have a couple of pets I totally dote on
3 - I have one pet who is my best friend
2 - No pets right now, but I used to have some
1 - I&apos;d like a pet someday
0 - No pets, never had any, and I&apos;m fine with that</source>
        <translation>6 - Bei mir wohnen gaaanz viele Tiere ^_^
5 - Ich habe ein paar Haustiere und die sind hier die Chefs
4 - Ich habe ein paar Haustiere, die ich total verwöhne
3 - Ich habe ein Haustier, das mein bester Freund ist
2 - Gerade keine Haustiere, aber früher schon
1 - Irgendwann hätte ich gern ein Haustier
0 - Keine Haustiere, nie gehabt, und das passt so</translation>
    </message>
    <message>
        <source>6 - I&apos;m MLG pro, n00bz!
5 - I play every day and I&apos;m pretty darn good at it
4 - I game a lot, most evenings and weekends
3 - I play a few games now and then
2 - A quick game once in a while
1 - I used to play, but not much anymore
0 - Games? I have a life, you know :P</source>
        <translation>6 - Ich bin MLG-Pro, n00bs!
5 - Ich zocke jeden Tag und bin verdammt gut
4 - Ich zocke viel, fast jeden Abend und am Wochenende
3 - Ich spiele ab und zu ein paar Spiele
2 - Mal eine schnelle Runde zwischendurch
1 - Früher habe ich gespielt, jetzt kaum noch
0 - Spiele? Ich hab ein Leben, weißt du :P</translation>
    </message>
    <message>
        <source>6 - I am a Webmaster/Admin to my website or I am moderator/staff member on a well established site
5 - I run my own little site or blog and keep it updated
4 - I post on forums and sites every single day
3 - I browse a lot and post now and then
2 - I mostly lurk and read
1 - I check my email and that&apos;s about it
0 - What&apos;s this &quot;interwebs&quot; thing? o.O</source>
        <translation>6 - Ich bin Webmaster/Admin meiner eigenen Seite oder Moderator/Staff auf einer großen, etablierten Seite
5 - Ich betreibe eine eigene kleine Seite oder einen Blog und halte sie aktuell
4 - Ich poste jeden Tag in Foren und auf Seiten
3 - Ich surfe viel und poste ab und zu
2 - Ich lese meistens nur still mit
1 - Ich checke meine Mails, das war&apos;s
0 - Was ist dieses „Interwebs“? o.O</translation>
    </message>
    <message>
        <source>6 - Imma have the first person to receive anelectronic interface in my head
5 - I build my own machines and write my own code
4 - I can fix most computer problems myself
3 - I know my way around a computer pretty well
2 - I can get online and do the basics
1 - I need help every time something goes wrong
0 - Which one is the &quot;any key&quot;? D:</source>
        <translation>6 - Ich werd der Erste mit &apos;nem elektronischen Interface im Kopf
5 - Ich baue meine eigenen Rechner und schreibe meinen eigenen Code
4 - Die meisten Computerprobleme löse ich selbst
3 - Ich kenne mich mit Computern ziemlich gut aus
2 - Ich komme ins Internet und kann das Nötigste
1 - Ich brauche jedes Mal Hilfe, wenn etwas schiefgeht
0 - Welche ist denn die „beliebige Taste“? D:</translation>
    </message>
    <message>
        <source>6 - I am a writer/artist/seyeiuu
5 - I watch everything and go to anime cons in cosplay
4 - I watch lots of anime and read manga
3 - I watch a series now and then
2 - I&apos;ve seen a few shows, they&apos;re OK
1 - I&apos;ve heard of it but never really watched any
0 - Anime? Cartoons from Japan? No thanks</source>
        <translation>6 - Ich bin Autor/Zeichner/Seiyuu
5 - Ich schaue alles und gehe im Cosplay auf Anime-Cons
4 - Ich schaue viel Anime und lese Manga
3 - Ab und zu schaue ich eine Serie
2 - Ein paar Serien habe ich gesehen, ganz okay
1 - Kenne ich, habe aber nie richtig was geschaut
0 - Anime? Zeichentrick aus Japan? Nein danke</translation>
    </message>
    <message>
        <source>6 - Motto I go by: life is a glass and sex is the beverage; without it, life is empty! Sex IS life!
5 - Sex is great and I get plenty of it ;3
4 - I enjoy sex on a regular basis
3 - Sex is nice once in a while
2 - Not much going on there, and that&apos;s OK
1 - Haven&apos;t had sex yet, but maybe someday
0 - Not interested in sex at all</source>
        <translation>6 - Mein Motto: Das Leben ist ein Glas und Sex das Getränk; ohne ihn ist das Leben leer! Sex IST Leben!
5 - Sex ist toll und ich kriege reichlich davon ;3
4 - Ich habe regelmäßig Sex und genieße ihn
3 - Sex ist ab und zu ganz schön
2 - Da läuft nicht viel, und das ist okay
1 - Noch keinen Sex gehabt, aber vielleicht irgendwann
0 - Sex interessiert mich überhaupt nicht</translation>
    </message>
    <message>
        <source>Do you want to show your kinks in your code line?</source>
        <translation>Willst du deine Kinks in deiner Code-Zeile zeigen?</translation>
    </message>
</context>
<context>
    <name>KinkDescriptions</name>
    <message>
        <source>have sexual encounters in a fursuit or with someone in one</source>
        <translation>im Fursuit Sex zu haben oder mit jemandem, der einen trägt</translation>
    </message>
    <message>
        <source>use plushies for sexual pleasure</source>
        <translation>Plüschtiere zum sexuellen Vergnügen zu benutzen</translation>
    </message>
    <message>
        <source>feel sexual attraction toward real, non-anthro animals</source>
        <translation>dich sexuell zu echten, nicht anthropomorphen Tieren hingezogen zu fühlen</translation>
    </message>
    <message>
        <source>role-play as someone older or younger than you really are</source>
        <translation>im Rollenspiel älter oder jünger zu sein, als du wirklich bist</translation>
    </message>
    <message>
        <source>have anal sex</source>
        <translation>Analsex zu haben</translation>
    </message>
    <message>
        <source>try pretty much anything your partner(s) come up with</source>
        <translation>so ziemlich alles auszuprobieren, was dein(e) Partner vorschlagen</translation>
    </message>
    <message>
        <source>bite or be bitten during sex</source>
        <translation>beim Sex zu beißen oder gebissen zu werden</translation>
    </message>
    <message>
        <source>bring blood into your sexual play</source>
        <translation>Blut ins Liebesspiel einzubringen</translation>
    </message>
    <message>
        <source>tie up your partner or be tied up yourself</source>
        <translation>deinen Partner zu fesseln oder selbst gefesselt zu werden</translation>
    </message>
    <message>
        <source>mark or be marked with a permanent brand</source>
        <translation>mit einem bleibenden Brandzeichen zu markieren oder markiert zu werden</translation>
    </message>
    <message>
        <source>fondle, kiss and otherwise play with breasts</source>
        <translation>Brüste zu streicheln, zu küssen und mit ihnen zu spielen</translation>
    </message>
    <message>
        <source>restrict breathing during sex for a heightened rush</source>
        <translation>beim Sex für den besonderen Kick die Atmung einzuschränken</translation>
    </message>
    <message>
        <source>have sex with the aim or fantasy of making offspring</source>
        <translation>Sex mit dem Ziel oder der Fantasie zu haben, Nachwuchs zu zeugen</translation>
    </message>
    <message>
        <source>kiss, lick or otherwise adore your partner&apos;s boots</source>
        <translation>die Stiefel deines Partners zu küssen, zu lecken oder anders zu verehren</translation>
    </message>
    <message>
        <source>fantasize about castrating someone or being castrated</source>
        <translation>davon zu fantasieren, jemanden zu kastrieren oder kastriert zu werden</translation>
    </message>
    <message>
        <source>give or receive pain to the genitals (cock and ball torture)</source>
        <translation>Schmerzen an den Genitalien zuzufügen oder zu empfangen (Cock and Ball Torture)</translation>
    </message>
    <message>
        <source>have sex under the influence of alcohol or other substances</source>
        <translation>Sex unter dem Einfluss von Alkohol oder anderen Substanzen zu haben</translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s vagina</source>
        <translation>die Vagina deiner Partnerin zu verehren und zu verwöhnen</translation>
    </message>
    <message>
        <source>savor your partner&apos;s cum</source>
        <translation>das Sperma deines Partners zu genießen</translation>
    </message>
    <message>
        <source>be covered in cum or cover your partner in it</source>
        <translation>mit Sperma bedeckt zu werden oder deinen Partner damit zu bedecken</translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s penis</source>
        <translation>den Penis deines Partners zu verehren und zu verwöhnen</translation>
    </message>
    <message>
        <source>wear clothes usually worn by the other gender</source>
        <translation>Kleidung zu tragen, die sonst das andere Geschlecht trägt</translation>
    </message>
    <message>
        <source>have an accepting consensus between the partners involved</source>
        <translation>ein klares Einverständnis zwischen allen Beteiligten zu haben</translation>
    </message>
    <message>
        <source>cuddle and snuggle with your partner(s) before/during/after sex</source>
        <translation>vor, beim oder nach dem Sex mit deinem Partner zu kuscheln</translation>
    </message>
    <message>
        <source>take control and dominate your partner(s)</source>
        <translation>die Kontrolle zu übernehmen und deinen Partner zu dominieren</translation>
    </message>
    <message>
        <source>use sex dolls or act as a living doll for your partner</source>
        <translation>Sexpuppen zu benutzen oder für deinen Partner eine lebende Puppe zu sein</translation>
    </message>
    <message>
        <source>wear diapers or have your partner wear them</source>
        <translation>Windeln zu tragen oder deinen Partner welche tragen zu lassen</translation>
    </message>
    <message>
        <source>set rules and punish when they are broken, or be punished yourself</source>
        <translation>Regeln aufzustellen und Verstöße zu bestrafen oder selbst bestraft zu werden</translation>
    </message>
    <message>
        <source>talk dirty or be talked dirty to during sex</source>
        <translation>beim Sex schmutzig zu reden oder schmutzig angeredet zu werden</translation>
    </message>
    <message>
        <source>misbehave on purpose so that you get put in your place</source>
        <translation>absichtlich unartig zu sein, damit man dich in die Schranken weist</translation>
    </message>
    <message>
        <source>color your fur, hair or skin with dyes or body paint for play</source>
        <translation>beim Spiel Fell, Haare oder Haut mit Farbe oder Bodypaint zu färben</translation>
    </message>
    <message>
        <source>give or receive enemas</source>
        <translation>Einläufe zu geben oder zu bekommen</translation>
    </message>
    <message>
        <source>use electrical stimulation for sexual pleasure</source>
        <translation>elektrische Stimulation zum sexuellen Vergnügen zu nutzen</translation>
    </message>
    <message>
        <source>show yourself off or have sex where others might see</source>
        <translation>dich zu zeigen oder Sex zu haben, wo andere zusehen könnten</translation>
    </message>
    <message>
        <source>be with a partner who has plenty of sexual experience</source>
        <translation>mit jemandem zusammen zu sein, der viel sexuelle Erfahrung hat</translation>
    </message>
    <message>
        <source>bring food into your sexual play</source>
        <translation>Essen ins Liebesspiel einzubringen</translation>
    </message>
    <message>
        <source>give feet or paws sexual attention</source>
        <translation>Füßen oder Pfoten sexuelle Aufmerksamkeit zu schenken</translation>
    </message>
    <message>
        <source>scare or be scared as part of sexual play</source>
        <translation>beim Liebesspiel Angst zu machen oder Angst gemacht zu bekommen</translation>
    </message>
    <message>
        <source>be made more feminine by your partner, or make a partner more feminine</source>
        <translation>von deinem Partner femininer gemacht zu werden oder ihn femininer zu machen</translation>
    </message>
    <message>
        <source>insert a whole hand into your partner or have it done to you</source>
        <translation>deinem Partner die ganze Hand einzuführen oder es selbst zu erleben</translation>
    </message>
    <message>
        <source>humiliate your partner or be humiliated</source>
        <translation>deinen Partner zu demütigen oder gedemütigt zu werden</translation>
    </message>
    <message>
        <source>role-play sex between members of the same family</source>
        <translation>Sex zwischen Familienmitgliedern im Rollenspiel nachzuspielen</translation>
    </message>
    <message>
        <source>be with a partner who has little or no sexual experience</source>
        <translation>mit jemandem zusammen zu sein, der wenig oder keine sexuelle Erfahrung hat</translation>
    </message>
    <message>
        <source>be treated like a baby by your partner, or look after one who is</source>
        <translation>von deinem Partner wie ein Baby behandelt zu werden oder dich um ein „Baby“ zu kümmern</translation>
    </message>
    <message>
        <source>fantasize about bodies being inflated or swelling up</source>
        <translation>davon zu fantasieren, dass Körper aufgeblasen werden oder anschwellen</translation>
    </message>
    <message>
        <source>be with a partner in heat, or be in heat yourself</source>
        <translation>mit jemandem zusammen zu sein, der läufig ist, oder selbst läufig zu sein</translation>
    </message>
    <message>
        <source>bring breast milk and lactation into your play</source>
        <translation>Muttermilch und Laktation ins Spiel zu bringen</translation>
    </message>
    <message>
        <source>be with partners who have big, heavy bodies</source>
        <translation>mit Partnern mit großen, schweren Körpern zusammen zu sein</translation>
    </message>
    <message>
        <source>wear latex or rubber, or see your partner in it</source>
        <translation>Latex oder Gummi zu tragen oder deinen Partner darin zu sehen</translation>
    </message>
    <message>
        <source>wear leather, or see your partner in it</source>
        <translation>Leder zu tragen oder deinen Partner darin zu sehen</translation>
    </message>
    <message>
        <source>wear a leash and collar, or put them on your partner</source>
        <translation>Leine und Halsband zu tragen oder sie deinem Partner anzulegen</translation>
    </message>
    <message>
        <source>be intimate with robots, androids or other mechanical beings</source>
        <translation>mit Robotern, Androiden oder anderen mechanischen Wesen intim zu werden</translation>
    </message>
    <message>
        <source>use sex machines and other mechanical devices</source>
        <translation>Sexmaschinen und andere mechanische Geräte zu benutzen</translation>
    </message>
    <message>
        <source>use magic or magical powers in your play</source>
        <translation>beim Spiel Magie oder magische Kräfte einzusetzen</translation>
    </message>
    <message>
        <source>act as the master of a partner who serves you</source>
        <translation>Herr oder Herrin eines Partners zu sein, der dir dient</translation>
    </message>
    <message>
        <source>masturbate, or watch your partner masturbate</source>
        <translation>zu masturbieren oder deinem Partner dabei zuzusehen</translation>
    </message>
    <message>
        <source>get messy and sticky with fluids, food or mud</source>
        <translation>dich mit Flüssigkeiten, Essen oder Schlamm richtig einzusauen</translation>
    </message>
    <message>
        <source>control your partner&apos;s mind or have yours controlled, e.g. by hypnosis</source>
        <translation>den Geist deines Partners zu kontrollieren oder deinen kontrollieren zu lassen, etwa durch Hypnose</translation>
    </message>
    <message>
        <source>enjoy the natural scent and musk of your partner</source>
        <translation>den natürlichen Duft und Moschus deines Partners zu genießen</translation>
    </message>
    <message>
        <source>pinch, clamp or otherwise torment nipples</source>
        <translation>Nippel zu kneifen, abzuklemmen oder anders zu quälen</translation>
    </message>
    <message>
        <source>have a smooth body without genitals, or be with someone who has one</source>
        <translation>einen glatten Körper ohne Genitalien zu haben oder mit jemandem zusammen zu sein, der einen hat</translation>
    </message>
    <message>
        <source>give or receive oral sex</source>
        <translation>Oralsex zu geben oder zu bekommen</translation>
    </message>
    <message>
        <source>keep your partner from reaching orgasm, or be kept from it yourself</source>
        <translation>deinem Partner den Orgasmus zu verweigern oder ihn dir verweigern zu lassen</translation>
    </message>
    <message>
        <source>have sex with many partners at once</source>
        <translation>mit vielen Partnern gleichzeitig Sex zu haben</translation>
    </message>
    <message>
        <source>wear panties or play with your partner&apos;s</source>
        <translation>Höschen zu tragen oder mit denen deines Partners zu spielen</translation>
    </message>
    <message>
        <source>be treated as a pet or keep your partner as one</source>
        <translation>wie ein Haustier behandelt zu werden oder deinen Partner als eins zu halten</translation>
    </message>
    <message>
        <source>have piercings or play with your partner&apos;s</source>
        <translation>Piercings zu haben oder mit denen deines Partners zu spielen</translation>
    </message>
    <message>
        <source>play the predator who hunts down and takes their prey</source>
        <translation>den Jäger zu spielen, der seine Beute jagt und sich nimmt</translation>
    </message>
    <message>
        <source>find pregnancy sexy, in yourself or in your partner</source>
        <translation>Schwangerschaft sexy zu finden, bei dir oder deinem Partner</translation>
    </message>
    <message>
        <source>play the prey who gets hunted down and caught</source>
        <translation>die Beute zu spielen, die gejagt und gefangen wird</translation>
    </message>
    <message>
        <source>act out forced sex scenes that were agreed on beforehand</source>
        <translation>vorher abgesprochene Szenen von erzwungenem Sex nachzuspielen</translation>
    </message>
    <message>
        <source>lick around your partner&apos;s anus or have yours licked</source>
        <translation>den Anus deines Partners zu lecken oder deinen lecken zu lassen</translation>
    </message>
    <message>
        <source>act out scenes and characters with your partner(s)</source>
        <translation>mit deinem Partner Szenen und Figuren auszuspielen</translation>
    </message>
    <message>
        <source>make love in a tender, caring, romantic way</source>
        <translation>zärtlich, liebevoll und romantisch miteinander zu schlafen</translation>
    </message>
    <message>
        <source>cause your partner pain for the pleasure of both of you</source>
        <translation>deinem Partner zu eurer beider Vergnügen Schmerzen zuzufügen</translation>
    </message>
    <message>
        <source>bring feces into your sexual play</source>
        <translation>Kot ins Liebesspiel einzubringen</translation>
    </message>
    <message>
        <source>be with partners who are short</source>
        <translation>mit kleinen Partnern zusammen zu sein</translation>
    </message>
    <message>
        <source>be with partners who have small, slender bodies</source>
        <translation>mit Partnern mit kleinen, schlanken Körpern zusammen zu sein</translation>
    </message>
    <message>
        <source>fantasize about killing or being killed during sex</source>
        <translation>davon zu fantasieren, beim Sex zu töten oder getötet zu werden</translation>
    </message>
    <message>
        <source>spank or be spanked</source>
        <translation>den Hintern zu versohlen oder versohlt zu bekommen</translation>
    </message>
    <message>
        <source>squish or be squished under a much bigger body</source>
        <translation>unter einem viel größeren Körper zu zerquetschen oder zerquetscht zu werden</translation>
    </message>
    <message>
        <source>make a female partner squirt, or squirt yourself</source>
        <translation>deine Partnerin zum Squirten zu bringen oder selbst zu squirten</translation>
    </message>
    <message>
        <source>give up control and submit to your partner(s)</source>
        <translation>die Kontrolle abzugeben und dich deinem Partner zu unterwerfen</translation>
    </message>
    <message>
        <source>switch between the dominant and the submissive role</source>
        <translation>zwischen der dominanten und der devoten Rolle zu wechseln</translation>
    </message>
    <message>
        <source>be with partners who are tall</source>
        <translation>mit großen Partnern zusammen zu sein</translation>
    </message>
    <message>
        <source>have tattoos or be with a tattooed partner</source>
        <translation>Tattoos zu haben oder mit einem tätowierten Partner zusammen zu sein</translation>
    </message>
    <message>
        <source>tease your partner or be teased until someone gives in</source>
        <translation>deinen Partner zu necken oder geneckt zu werden, bis einer nachgibt</translation>
    </message>
    <message>
        <source>tickle or be tickled</source>
        <translation>zu kitzeln oder gekitzelt zu werden</translation>
    </message>
    <message>
        <source>use sex toys, alone or with a partner</source>
        <translation>Sexspielzeug zu benutzen, allein oder zu zweit</translation>
    </message>
    <message>
        <source>play with tentacles or tentacled creatures</source>
        <translation>mit Tentakeln oder Tentakelwesen zu spielen</translation>
    </message>
    <message>
        <source>change shape, or watch your partner change shape, during sex</source>
        <translation>beim Sex deine Gestalt zu ändern oder deinem Partner dabei zuzusehen</translation>
    </message>
    <message>
        <source>leave sex out of the picture because it does not interest you</source>
        <translation>Sex ganz außen vor zu lassen, weil er dich nicht interessiert</translation>
    </message>
    <message>
        <source>drink blood or have your blood drunk, vampire style</source>
        <translation>wie ein Vampir Blut zu trinken oder dein Blut trinken zu lassen</translation>
    </message>
    <message>
        <source>fantasize about swallowing someone whole or being swallowed</source>
        <translation>davon zu fantasieren, jemanden ganz zu verschlingen oder verschlungen zu werden</translation>
    </message>
    <message>
        <source>watch others undress or have sex</source>
        <translation>anderen beim Ausziehen oder beim Sex zuzusehen</translation>
    </message>
    <message>
        <source>bring urine into your sexual play</source>
        <translation>Urin ins Liebesspiel einzubringen</translation>
    </message>
</context>
<context>
    <name>Kinks</name>
    <message>
        <source>Fursuit</source>
        <translation>Fursuit</translation>
    </message>
    <message>
        <source>Plushies</source>
        <translation>Plüschis</translation>
    </message>
    <message>
        <source>Zoophilia</source>
        <translation>Zoophilie</translation>
    </message>
    <message>
        <source>Age Play</source>
        <translation>Age Play</translation>
    </message>
    <message>
        <source>Anal</source>
        <translation>Anal</translation>
    </message>
    <message>
        <source>Anything Goes</source>
        <translation>Alles geht</translation>
    </message>
    <message>
        <source>Biting</source>
        <translation>Beißen</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Blut</translation>
    </message>
    <message>
        <source>Bondage</source>
        <translation>Bondage</translation>
    </message>
    <message>
        <source>Branding</source>
        <translation>Brandmarken</translation>
    </message>
    <message>
        <source>Breast Play</source>
        <translation>Brustspiele</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Atemkontrolle</translation>
    </message>
    <message>
        <source>Breeding</source>
        <translation>Breeding</translation>
    </message>
    <message>
        <source>Boot Worship</source>
        <translation>Stiefelverehrung</translation>
    </message>
    <message>
        <source>Castration</source>
        <translation>Kastration</translation>
    </message>
    <message>
        <source>CBT</source>
        <translation>CBT</translation>
    </message>
    <message>
        <source>Chemical Influence</source>
        <translation>Berauscht</translation>
    </message>
    <message>
        <source>Cunt Worship</source>
        <translation>Muschiverehrung</translation>
    </message>
    <message>
        <source>Cum (love of)</source>
        <translation>Sperma (lieben)</translation>
    </message>
    <message>
        <source>Cum (covered in)</source>
        <translation>Sperma (bedeckt)</translation>
    </message>
    <message>
        <source>Cock Worship</source>
        <translation>Schwanzverehrung</translation>
    </message>
    <message>
        <source>Crossdressing</source>
        <translation>Crossdressing</translation>
    </message>
    <message>
        <source>Consensual</source>
        <translation>Einvernehmlich</translation>
    </message>
    <message>
        <source>Cuddling</source>
        <translation>Kuscheln</translation>
    </message>
    <message>
        <source>Dominate</source>
        <translation>Dominieren</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Puppen</translation>
    </message>
    <message>
        <source>Diapers</source>
        <translation>Windeln</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disziplin</translation>
    </message>
    <message>
        <source>Dirty Talk</source>
        <translation>Dirty Talk</translation>
    </message>
    <message>
        <source>Disobedient</source>
        <translation>Ungehorsam</translation>
    </message>
    <message>
        <source>Dyes</source>
        <translation>Färben</translation>
    </message>
    <message>
        <source>Enema</source>
        <translation>Einlauf</translation>
    </message>
    <message>
        <source>E-Stim</source>
        <translation>E-Stim</translation>
    </message>
    <message>
        <source>Exibitionist</source>
        <translation>Exhibitionist</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Erfahren</translation>
    </message>
    <message>
        <source>Food Play</source>
        <translation>Food Play</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Füße</translation>
    </message>
    <message>
        <source>Fear</source>
        <translation>Angst</translation>
    </message>
    <message>
        <source>Feminization</source>
        <translation>Feminisierung</translation>
    </message>
    <message>
        <source>Fisting</source>
        <translation>Fisting</translation>
    </message>
    <message>
        <source>Humiliation</source>
        <translation>Demütigung</translation>
    </message>
    <message>
        <source>Incest</source>
        <translation>Inzest</translation>
    </message>
    <message>
        <source>Inexperienced</source>
        <translation>Unerfahren</translation>
    </message>
    <message>
        <source>Infantilist</source>
        <translation>Infantilismus</translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation>Inflation</translation>
    </message>
    <message>
        <source>In-Heat</source>
        <translation>Läufig</translation>
    </message>
    <message>
        <source>Lactophile</source>
        <translation>Laktophilie</translation>
    </message>
    <message>
        <source>Large Body</source>
        <translation>Großer Körper</translation>
    </message>
    <message>
        <source>Latex</source>
        <translation>Latex</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
    <message>
        <source>Leashes and Collars</source>
        <translation>Leine &amp; Halsband</translation>
    </message>
    <message>
        <source>Machinist</source>
        <translation>Maschinenwesen</translation>
    </message>
    <message>
        <source>Machinery</source>
        <translation>Sexmaschinen</translation>
    </message>
    <message>
        <source>Magical</source>
        <translation>Magisch</translation>
    </message>
    <message>
        <source>Mastering</source>
        <translation>Herr/Herrin sein</translation>
    </message>
    <message>
        <source>Masterbation</source>
        <translation>Masturbation</translation>
    </message>
    <message>
        <source>Messy</source>
        <translation>Messy</translation>
    </message>
    <message>
        <source>Mind Control</source>
        <translation>Gedankenkontrolle</translation>
    </message>
    <message>
        <source>Musky</source>
        <translation>Moschus</translation>
    </message>
    <message>
        <source>Nipple Torture</source>
        <translation>Nippelfolter</translation>
    </message>
    <message>
        <source>Nullification</source>
        <translation>Nullifikation</translation>
    </message>
    <message>
        <source>Oral</source>
        <translation>Oral</translation>
    </message>
    <message>
        <source>Orgasm Denial</source>
        <translation>Orgasmusverbot</translation>
    </message>
    <message>
        <source>Orgy</source>
        <translation>Orgie</translation>
    </message>
    <message>
        <source>Panties</source>
        <translation>Höschen</translation>
    </message>
    <message>
        <source>Pet Play</source>
        <translation>Pet Play</translation>
    </message>
    <message>
        <source>Piercing</source>
        <translation>Piercing</translation>
    </message>
    <message>
        <source>Predator</source>
        <translation>Jäger</translation>
    </message>
    <message>
        <source>Pregnancy</source>
        <translation>Schwangerschaft</translation>
    </message>
    <message>
        <source>Prey</source>
        <translation>Beute</translation>
    </message>
    <message>
        <source>Rape</source>
        <translation>Rape-Play</translation>
    </message>
    <message>
        <source>Rimming</source>
        <translation>Rimming</translation>
    </message>
    <message>
        <source>Role Play</source>
        <translation>Rollenspiel</translation>
    </message>
    <message>
        <source>Romantic</source>
        <translation>Romantisch</translation>
    </message>
    <message>
        <source>Sadist</source>
        <translation>Sadist</translation>
    </message>
    <message>
        <source>Scat</source>
        <translation>Kaviar</translation>
    </message>
    <message>
        <source>Short Body</source>
        <translation>Kleinwüchsig</translation>
    </message>
    <message>
        <source>Small Body</source>
        <translation>Zierlich</translation>
    </message>
    <message>
        <source>Snuff</source>
        <translation>Snuff</translation>
    </message>
    <message>
        <source>Spanking</source>
        <translation>Spanking</translation>
    </message>
    <message>
        <source>Squishing</source>
        <translation>Zerquetschen</translation>
    </message>
    <message>
        <source>Squirting</source>
        <translation>Squirting</translation>
    </message>
    <message>
        <source>Submissive</source>
        <translation>Devot</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Tall Body</source>
        <translation>Hochgewachsen</translation>
    </message>
    <message>
        <source>Tattoing</source>
        <translation>Tattoos</translation>
    </message>
    <message>
        <source>Teasing</source>
        <translation>Necken</translation>
    </message>
    <message>
        <source>Tickling</source>
        <translation>Kitzeln</translation>
    </message>
    <message>
        <source>Toys</source>
        <translation>Spielzeug</translation>
    </message>
    <message>
        <source>Tentacles</source>
        <translation>Tentakel</translation>
    </message>
    <message>
        <source>Transforming</source>
        <translation>Verwandeln</translation>
    </message>
    <message>
        <source>Uninterested</source>
        <translation>Kein Interesse</translation>
    </message>
    <message>
        <source>Vampirism</source>
        <translation>Vampirismus</translation>
    </message>
    <message>
        <source>Vore</source>
        <translation>Vore</translation>
    </message>
    <message>
        <source>Voyeur</source>
        <translation>Voyeur</translation>
    </message>
    <message>
        <source>Watersports</source>
        <translation>Natursekt</translation>
    </message>
</context>
<context>
    <name>ListQuestions</name>
    <message>
        <source>Species family</source>
        <translation>Tierfamilie</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Spezies</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Guys</source>
        <translation>Jungs</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Mädels</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Arbeit</translation>
    </message>
    <message>
        <source>Trained field</source>
        <translation>Ausbildungsbereich</translation>
    </message>
    <message>
        <source>Role play</source>
        <translation>Rollenspiel</translation>
    </message>
    <message>
        <source>Real life</source>
        <translation>Echtes Leben</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>YES YES YES :D</source>
        <translation>JA JA JA :D</translation>
    </message>
    <message>
        <source>Meh...</source>
        <translation>Joa...</translation>
    </message>
    <message>
        <source>NOOOOO!</source>
        <translation>NEEEIN!</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Role Play Kink:</source>
        <translation>Rollenspiel:</translation>
    </message>
    <message>
        <source>Real Life Kink:</source>
        <translation>Echtes Leben:</translation>
    </message>
    <message>
        <source>Do you like to %1?</source>
        <translation>Magst du es, %1?</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>%1: Stufe</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>&lt;My Custom Animal&gt;</source>
        <translation>&lt;Mein eigenes Tier&gt;</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>Category groups</source>
        <translation>Kategoriegruppen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Code line</source>
        <translation>Code-Zeile</translation>
    </message>
    <message>
        <source>Exact age</source>
        <translation>Genaues Alter</translation>
    </message>
    <message>
        <source>Custom species name</source>
        <translation>Eigener Spezies-Name</translation>
    </message>
    <message>
        <source>Specify my sexual preference:
Guys | Girls</source>
        <translation>Meine Vorliebe angeben:
Jungs | Mädels</translation>
    </message>
    <message>
        <source>Specify Actual Age</source>
        <translation>Genaues Alter</translation>
    </message>
    <message>
        <source>I am trained in this field</source>
        <translation>Darin bin ich ausgebildet</translation>
    </message>
    <message>
        <source>Include my kinks</source>
        <translation>Meine Kinks zeigen</translation>
    </message>
    <message>
        <source>I made my own suit
(Only applies to lvl %1+)</source>
        <translation>Suit selbst gemacht
(Nur ab Stufe %1)</translation>
    </message>
    <message>
        <source>Is the site a furry site?
(Only applies to lvl %1)</source>
        <translation>Ist es eine Furry-Seite?
(Nur bei Stufe %1)</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>does not begin with 2.0F</source>
        <translation>beginnt nicht mit 2.0F</translation>
    </message>
    <message>
        <source>unknown family code &apos;%1&apos;</source>
        <translation>unbekannter Familiencode „%1“</translation>
    </message>
    <message>
        <source>unknown family code (byte 0x%1)</source>
        <translation>unbekannter Familiencode (Byte 0x%1)</translation>
    </message>
</context>
<context>
    <name>Repairs</name>
    <message>
        <source>byte %1</source>
        <translation>Byte %1</translation>
    </message>
    <message>
        <source>byte %1, %2</source>
        <translation>Byte %1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read</source>
        <translation>„%1“ gelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as &quot;%2&quot;</source>
        <translation>„%1“ umgeschrieben zu „%2“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as nothing</source>
        <translation>„%1“ fällt weg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; overridden by a later token</source>
        <translation>„%1“ von einem späteren Token ersetzt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; skipped</source>
        <translation>„%1“ übersprungen</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>Antelope</source>
        <translation>Antilope</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>Büffel</translation>
    </message>
    <message>
        <source>Cattle</source>
        <translation>Rind</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Hirsch</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Kamel</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Giraffe</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Ziege</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Lama</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Elch</translation>
    </message>
    <message>
        <source>Gnu</source>
        <translation>Gnu</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Schwein</translation>
    </message>
    <message>
        <source>Reindeer</source>
        <translation>Rentier</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Schaf</translation>
    </message>
    <message>
        <source>Warthog</source>
        <translation>Warzenschwein</translation>
    </message>
    <message>
        <source>Gazelle</source>
        <translation>Gazelle</translation>
    </message>
    <message>
        <source>Albatross</source>
        <translation>Albatros</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Ente</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Adler</translation>
    </message>
    <message>
        <source>Falcon</source>
        <translation>Falke</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Möwe</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Habicht</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Eule</translation>
    </message>
    <message>
        <source>Raven</source>
        <translation>Rabe</translation>
    </message>
    <message>
        <source>Sparrow</source>
        <translation>Spatz</translation>
    </message>
    <message>
        <source>Wren</source>
        <translation>Zaunkönig</translation>
    </message>
    <message>
        <source>Arctic Fox</source>
        <translation>Polarfuchs</translation>
    </message>
    <message>
        <source>Coyote</source>
        <translation>Kojote</translation>
    </message>
    <message>
        <source>Dingo</source>
        <translation>Dingo</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation>Schakal</translation>
    </message>
    <message>
        <source>Mutt</source>
        <translation>Mischling</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Wolf</translation>
    </message>
    <message>
        <source>Manned Wolf</source>
        <translation>Mähnenwolf</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Gewöhnlich</translation>
    </message>
    <message>
        <source>Zeebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Flying Fox/Fruit Bat</source>
        <translation>Flughund</translation>
    </message>
    <message>
        <source>Vampire Bat</source>
        <translation>Vampirfledermaus</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfin</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Esel</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Pferd</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Zebra</translation>
    </message>
    <message>
        <source>Anteater</source>
        <translation>Ameisenbär</translation>
    </message>
    <message>
        <source>Armadillo</source>
        <translation>Gürteltier</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Faultier</translation>
    </message>
    <message>
        <source>Bobcat</source>
        <translation>Rotluchs</translation>
    </message>
    <message>
        <source>Clouded Leopard</source>
        <translation>Nebelparder</translation>
    </message>
    <message>
        <source>Domesticated Cat</source>
        <translation>Hauskatze</translation>
    </message>
    <message>
        <source>Cheetah</source>
        <translation>Gepard</translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Puma/Cougar/Mtn Lion</source>
        <translation>Puma/Berglöwe</translation>
    </message>
    <message>
        <source>Ocelot</source>
        <translation>Ozelot</translation>
    </message>
    <message>
        <source>Leopard/Panther</source>
        <translation>Leopard/Panther</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tiger</translation>
    </message>
    <message>
        <source>ServalWild Cat</source>
        <translation>Serval/Wildkatze</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Luchs</translation>
    </message>
    <message>
        <source>Caracal</source>
        <translation>Karakal</translation>
    </message>
    <message>
        <source>Snow Leopard</source>
        <translation>Schneeleopard</translation>
    </message>
    <message>
        <source>Meerkat</source>
        <translation>Erdmännchen</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>Mungo</translation>
    </message>
    <message>
        <source>Hyena</source>
        <translation>Hyäne</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Igel</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Maulwurf</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Hase</translation>
    </message>
    <message>
        <source>Jack Rabbit</source>
        <translation>Eselhase</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Sable</source>
        <translation>Zobel</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Dachs</translation>
    </message>
    <message>
        <source>Ermine/Stoat</source>
        <translation>Hermelin</translation>
    </message>
    <message>
        <source>Ferret</source>
        <translation>Frettchen</translation>
    </message>
    <message>
        <source>Mink</source>
        <translation>Nerz</translation>
    </message>
    <message>
        <source>Marten</source>
        <translation>Marder</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Otter</translation>
    </message>
    <message>
        <source>Polecat</source>
        <translation>Iltis</translation>
    </message>
    <message>
        <source>Ratel/Honey Badger</source>
        <translation>Honigdachs</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Stinktier</translation>
    </message>
    <message>
        <source>Wolverine</source>
        <translation>Vielfraß</translation>
    </message>
    <message>
        <source>Weasel</source>
        <translation>Wiesel</translation>
    </message>
    <message>
        <source>Wombat</source>
        <translation>Wombat</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Känguru</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Possum</source>
        <translation>Opossum</translation>
    </message>
    <message>
        <source>Tasmanian Devil</source>
        <translation>Tasmanischer Teufel</translation>
    </message>
    <message>
        <source>Wallaby</source>
        <translation>Wallaby</translation>
    </message>
    <message>
        <source>Platypus</source>
        <translation>Schnabeltier</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Waschbär</translation>
    </message>
    <message>
        <source>Sealion</source>
        <translation>Seelöwe</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Robbe</translation>
    </message>
    <message>
        <source>Walrus</source>
        <translation>Walross</translation>
    </message>
    <message>
        <source>Lemur</source>
        <translation>Lemur</translation>
    </message>
    <message>
        <source>Ape</source>
        <translation>Menschenaffe</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Affe</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Biber</translation>
    </message>
    <message>
        <source>Grey Squirrel</source>
        <translation>Grauhörnchen</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Porcupine</source>
        <translation>Stachelschwein</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Ratte</translation>
    </message>
    <message>
        <source>Red Squirrel</source>
        <translation>Eichhörnchen</translation>
    </message>
    <message>
        <source>Muskrat</source>
        <translation>Bisamratte</translation>
    </message>
    <message>
        <source>Alligator/Crocodile</source>
        <translation>Alligator/Krokodil</translation>
    </message>
    <message>
        <source>Coelurosaur (Velociraptor, etc)</source>
        <translation>Coelurosaurier (Raptor usw.)</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Drache</translation>
    </message>
    <message>
        <source>Carnosaur (Tyrannosaurus, etc)</source>
        <translation>Carnosaurier (T-Rex usw.)</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Echse</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Schlange</translation>
    </message>
    <message>
        <source>Tortoise/Turtle</source>
        <translation>Schildkröte</translation>
    </message>
    <message>
        <source>Bear (Polar)</source>
        <translation>Eisbär</translation>
    </message>
    <message>
        <source>Bear (Black)</source>
        <translation>Schwarzbär</translation>
    </message>
    <message>
        <source>Bear (Grizzly/Brown/Kodiak)</source>
        <translation>Braunbär (Grizzly/Kodiak)</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Civet</source>
        <translation>Zibetkatze</translation>
    </message>
    <message>
        <source>Gargoyle</source>
        <translation>Gargoyle</translation>
    </message>
    <message>
        <source>Manticore</source>
        <translation>Mantikor</translation>
    </message>
    <message>
        <source>Gryphon</source>
        <translation>Greif</translation>
    </message>
    <message>
        <source>Hippogriff</source>
        <translation>Hippogreif</translation>
    </message>
    <message>
        <source>Mermaid/Merman</source>
        <translation>Meerjungfrau/-mann</translation>
    </message>
</context>
<context>
    <name>Systems</name>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Mac</source>
        <translation>Mac</translation>
    </message>
    <message>
        <source>Linux</source>
        <translation>Linux</translation>
    </message>
    <message>
        <source>Unix</source>
        <translation>Unix</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Furryness</source>
        <translation>Furryhaftes</translation>
    </message>
    <message>
        <source>Humanness</source>
        <translation>Menschliches</translation>
    </message>
    <message>
        <source>Yiffyness</source>
        <translation>Yiffiges</translation>
    </message>
</context>
<context>
    <name>Traits</name>
    <message>
        <source>Cyborg</source>
        <translation>Cyborg</translation>
    </message>
    <message>
        <source>Toon</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Werehuman</source>
        <translation>Wermensch</translation>
    </message>
    <message>
        <source>Magical</source>
        <translation>Magisch</translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation>Polymorph</translation>
    </message>
    <message>
        <source>Psychic</source>
        <translation>Übersinnlich</translation>
    </message>
    <message>
        <source>Taur</source>
        <translation>Taur</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Einhorn</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampir</translation>
    </message>
    <message>
        <source>Winged</source>
        <translation>Geflügelt</translation>
    </message>
    <message>
        <source>Alter Ego</source>
        <translation>Alter Ego</translation>
    </message>
    <message>
        <source>Costume Character</source>
        <translation>Kostümfigur</translation>
    </message>
    <message>
        <source>Picture Character</source>
        <translation>Bildfigur</translation>
    </message>
    <message>
        <source>Imaginary Friend</source>
        <translation>Fantasiefreund</translation>
    </message>
    <message>
        <source>RP Character</source>
        <translation>RP-Charakter</translation>
    </message>
    <message>
        <source>Guardian Character</source>
        <translation>Schutzgeist</translation>
    </message>
    <message>
        <source>Story Character</source>
        <translation>Geschichtenfigur</translation>
    </message>
</context>
<context>
    <name>Work</name>
    <message>
        <source>Unspecify</source>
        <translation>Keine Angabe</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Kunst</translation>
    </message>
    <message>
        <source>Business/Management</source>
        <translation>Wirtschaft/Management</translation>
    </message>
    <message>
        <source>Crafts</source>
        <translation>Handwerk</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Bau</translation>
    </message>
    <message>
        <source>Technology</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Generic Engineer</source>
        <translation>Ingenieurwesen</translation>
    </message>
    <message>
        <source>Eduction</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Farming</source>
        <translation>Landwirtschaft</translation>
    </message>
    <message>
        <source>Banking/Finance</source>
        <translation>Bank/Finanzen</translation>
    </message>
    <message>
        <source>Government/Public Service</source>
        <translation>Staat/Öffentl. Dienst</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Recht</translation>
    </message>
    <message>
        <source>Writing/Literature</source>
        <translation>Schreiben/Literatur</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Armed Forces</source>
        <translation>Streitkräfte</translation>
    </message>
    <message>
        <source>Media/Communication</source>
        <translation>Medien/Kommunikation</translation>
    </message>
    <message>
        <source>Human Medicine</source>
        <translation>Humanmedizin</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Einzelhandel</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Studium</translation>
    </message>
    <message>
        <source>Theatre</source>
        <translation>Theater</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transport/Verkehr</translation>
    </message>
    <message>
        <source>Vetinary</source>
        <translation>Tiermedizin</translation>
    </message>
    <message>
        <source>Furry Relations</source>
        <translation>Furry-Szene</translation>
    </message>
    <message>
        <source>All Around</source>
        <translation>Allrounder</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Looking for work</source>
        <translation>Auf Jobsuche</translation>
    </message>
    <message>
        <source>Not working</source>
        <translation>Nicht berufstätig</translation>
    </message>
</context>
<context>
    <name>brindlex::ABOUTFORM</name>
    <message>
        <source>About Brindlex</source>
        <translation>Über Brindlex</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This program was created for people to define their furry involvement and life stylings.  The old code was wayyyyy outdated and needed to be updated to fit the needs of today&apos;s current furry culture.</source>
        <translation>Dieses Programm ist für alle gemacht, die zeigen wollen, wie furry sie sind und wie sie leben. Der alte Code war sooooo veraltet und musste dringend an die heutige Furry-Kultur angepasst werden.</translation>
    </message>
    <message>
        <source>VERSION: %1</source>
        <translation>VERSION: %1</translation>
    </message>
    <message>
        <source>Designed by the Brindlex developers</source>
        <translation>Gestaltet von den Brindlex-Entwicklern</translation>
    </message>
</context>
<context>
    <name>brindlex::ANSWERSTORE</name>
    <message>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <source>process %1 on this computer</source>
        <translation>Prozess %1 auf diesem Rechner</translation>
    </message>
    <message>
        <source>process %1 on the computer %2</source>
        <translation>Prozess %1 auf dem Rechner %2</translation>
    </message>
    <message>
        <source>Brindlex could not read your answers from the last time in %1: %2.

The file is left as it is, and Brindlex does not write over it while it runs now, so the answers you give now are not kept for the next time. Close Brindlex and start it again once the file can be read; to keep new answers meanwhile, save your code line with &quot;%3&quot;.</source>
        <translation>Brindlex konnte deine Antworten vom letzten Mal in %1 nicht lesen: %2.

Die Datei bleibt, wie sie ist, und Brindlex überschreibt sie nicht, solange es jetzt läuft; die Antworten, die du jetzt gibst, werden deshalb nicht fürs nächste Mal gespeichert. Schließe Brindlex und starte es wieder, sobald sich die Datei lesen lässt; um neue Antworten bis dahin zu behalten, speichere deine Code-Zeile mit „%3“.</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>the file ends in the middle</source>
        <translation>die Datei bricht mittendrin ab</translation>
    </message>
    <message>
        <source>it is not an answers file</source>
        <translation>sie ist keine Antwortdatei</translation>
    </message>
    <message>
        <source>Your answers from the last time in %1 cannot be read back: %2.

Brindlex could not move the file aside, so it leaves the file as it is and starts with empty answers, which are not kept for the next time.</source>
        <translation>Deine Antworten vom letzten Mal in %1 lassen sich nicht lesen: %2.

Brindlex konnte die Datei nicht beiseitelegen; es lässt sie deshalb, wie sie ist, und startet ohne Antworten, die nicht fürs nächste Mal gespeichert werden.</translation>
    </message>
    <message>
        <source>Your answers from the last time in %1 cannot be read back: %2.

Brindlex has moved the file to %3, so that nothing in it is lost, and starts with empty answers.</source>
        <translation>Deine Antworten vom letzten Mal in %1 lassen sich nicht lesen: %2.

Brindlex hat die Datei nach %3 verschoben, damit nichts davon verloren geht, und startet ohne Antworten.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, which no answer has</source>
        <translation>„%1“ ist %2, und diese Antwort gibt es nicht</translation>
    </message>
    <message>
        <source>Some of your answers from the last time in %1 could not be taken: %2.

Your other answers are all there.</source>
        <translation>Einige deiner Antworten vom letzten Mal in %1 ließen sich nicht übernehmen: %2.

Alle deine anderen Antworten sind da.</translation>
    </message>
    <message>
        <source>A copy of the file as it was could not be kept, so the answers that could not be taken are gone once you change an answer.</source>
        <translation>Eine Kopie der Datei, wie sie war, ließ sich nicht anlegen; die Antworten, die sich nicht übernehmen ließen, sind deshalb weg, sobald du eine Antwort änderst.</translation>
    </message>
    <message>
        <source>A copy of the file as it was is kept as %1.</source>
        <translation>Eine Kopie der Datei, wie sie war, liegt unter %1.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made or written</source>
        <translation>der Ordner %1 lässt sich nicht anlegen oder beschreiben</translation>
    </message>
    <message>
        <source>Your answers could not be kept for the next time in %1: %2.

Brindlex goes on working; save your code line with &quot;%3&quot; to keep it.</source>
        <translation>Deine Antworten konnten nicht fürs nächste Mal in %1 gespeichert werden: %2.

Brindlex läuft weiter; speichere deine Code-Zeile mit „%3“, um sie zu behalten.</translation>
    </message>
</context>
<context>
    <name>brindlex::APPLICATION</name>
    <message>
        <source>Brindlex is already running for you (%1), but it does not answer, so it cannot be brought to the front.

This start ends, so that only one Brindlex keeps your answers in %2. If Brindlex does not run any more, delete %3 and start it again.</source>
        <translation>Brindlex läuft schon für dich (%1), antwortet aber nicht und lässt sich deshalb nicht nach vorn holen.

Dieser Start endet hier, damit nur ein Brindlex deine Antworten in %2 verwaltet. Wenn Brindlex nicht mehr läuft, lösche %3 und starte es erneut.</translation>
    </message>
</context>
<context>
    <name>brindlex::FileWords</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>sie ist nicht mehr da</translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation>du darfst sie nicht lesen</translation>
    </message>
    <message>
        <source>the disk or the network failed while it was being read</source>
        <translation>die Festplatte oder das Netzwerk hat beim Lesen versagt</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>sie ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner mit diesem Namen ist im Weg</translation>
    </message>
    <message>
        <source>the disk is full, or it failed while the file was being written</source>
        <translation>die Festplatte ist voll oder hat beim Schreiben versagt</translation>
    </message>
    <message>
        <source>the new file could not take the place of the old one</source>
        <translation>die neue Datei konnte die alte nicht ersetzen</translation>
    </message>
    <message>
        <source>it could not be opened for writing</source>
        <translation>sie ließ sich nicht zum Schreiben öffnen</translation>
    </message>
    <message>
        <source>you are not allowed to write into the folder %1</source>
        <translation>du darfst nicht in den Ordner %1 schreiben</translation>
    </message>
</context>
<context>
    <name>brindlex::MAINFORM</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Paste Code Line</source>
        <translation>Code-Zeile einfügen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Code line message</source>
        <translation>Hinweis zur Code-Zeile</translation>
    </message>
    <message>
        <source>An empty line is no code line, so your answers are unchanged.</source>
        <translation>Eine leere Zeile ist keine Code-Zeile; deine Antworten bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read (%2), so your answers are unchanged.</source>
        <translation>„%1“ nicht gelesen (%2), deine Antworten bleiben unverändert.</translation>
    </message>
</context>
<context>
    <name>brindlex::MenuCommands</name>
    <message>
        <source>Save as Txt File</source>
        <translation>Als Textdatei &amp;speichern</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open Txt File...</source>
        <translation>Textdatei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>&amp;Neu anfangen</translation>
    </message>
    <message>
        <source>&amp;Application</source>
        <translation>&amp;Anwendung</translation>
    </message>
    <message>
        <source>Read a Code Line...</source>
        <translation>Code-Zeile &amp;lesen...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Check For Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>I am old enough to view adult material</source>
        <translation>Ich bin &amp;alt genug für Inhalte ab 18</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spen&amp;den</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Open Txt File</source>
        <translation>Textdatei öffnen</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Copy Code Line</source>
        <translation>Code-Zeile &amp;kopieren</translation>
    </message>
    <message>
        <source>The code line could not be saved to %1: %2.

Nothing was written there; choose another folder or file name.</source>
        <translation>Die Code-Zeile konnte nicht in %1 gespeichert werden: %2.

Dort wurde nichts geschrieben; wähle einen anderen Ordner oder Dateinamen.</translation>
    </message>
    <message>
        <source>Brindlex code line.txt</source>
        <translation>Brindlex Code-Zeile.txt</translation>
    </message>
    <message>
        <source>Brindlex could not read %1: %2.

Your answers are unchanged.</source>
        <translation>Brindlex konnte %1 nicht lesen: %2.

Deine Antworten bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The first line of %1 is empty, so there is no code line to read.

Your answers are unchanged.</source>
        <translation>Die erste Zeile von %1 ist leer, es gibt also keine Code-Zeile zu lesen.

Deine Antworten bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>The first line of %1 is no code line that Brindlex can read (%2).

Your answers are unchanged.</source>
        <translation>Die erste Zeile von %1 ist keine Code-Zeile, die Brindlex lesen kann (%2).

Deine Antworten bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Clear every answer and start over with an empty questionnaire?

Edit &gt; Undo Start Over brings your answers back.</source>
        <translation>Alle Antworten löschen und mit einem leeren Fragebogen neu anfangen?

Bearbeiten &gt; Rückgängig: Neu anfangen holt deine Antworten zurück.</translation>
    </message>
</context>
<context>
    <name>brindlex::ReadCodeLineWindow</name>
    <message>
        <source>Read a Code Line</source>
        <translation>Code-Zeile lesen</translation>
    </message>
    <message>
        <source>Pasted text</source>
        <translation>Eingefügter Text</translation>
    </message>
    <message>
        <source>Paste a code line beginning with 2.0F, or a whole post that holds some.</source>
        <translation>Füge eine Code-Zeile ein, die mit 2.0F beginnt, oder einen ganzen Beitrag, in dem welche stehen.</translation>
    </message>
    <message>
        <source>Code lines found</source>
        <translation>Gefundene Code-Zeilen</translation>
    </message>
    <message>
        <source>Show only &amp;differences</source>
        <translation>Nur &amp;Unterschiede zeigen</translation>
    </message>
    <message>
        <source>Show only differences</source>
        <translation>Nur Unterschiede zeigen</translation>
    </message>
    <message>
        <source>Answers of the selected line beside yours</source>
        <translation>Antworten der gewählten Zeile neben deinen</translation>
    </message>
    <message>
        <source>Repairs of the selected line</source>
        <translation>Reparaturen der gewählten Zeile</translation>
    </message>
    <message>
        <source>&amp;Use These Answers</source>
        <translation>Diese Antworten &amp;übernehmen</translation>
    </message>
    <message>
        <source>Use These Answers</source>
        <translation>Diese Antworten übernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Paste a code line or a whole post:</source>
        <translation>Code-Zeile oder ganzen Beitrag &amp;einfügen:</translation>
    </message>
    <message>
        <source>Code &amp;lines found:</source>
        <translation>Gefundene Code-&amp;Zeilen:</translation>
    </message>
    <message>
        <source>&amp;Answers:</source>
        <translation>&amp;Antworten:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>&amp;Repairs:</source>
        <translation>&amp;Reparaturen:</translation>
    </message>
    <message>
        <source>&amp;Repairs: none, the line reads as it is written</source>
        <translation>&amp;Reparaturen: keine, die Zeile liest sich, wie sie dasteht</translation>
    </message>
    <message>
        <source>&amp;Repairs: %1</source>
        <translation>&amp;Reparaturen: %1</translation>
    </message>
    <message>
        <source>No code line found: a code line begins with &quot;2.0F&quot; and a family code.</source>
        <translation>Keine Code-Zeile gefunden: Eine Code-Zeile beginnt mit „2.0F“ und einem Familiencode.</translation>
    </message>
    <message>
        <source>%1 answer differs from yours, %2 the same.</source>
        <translation>%1 Antwort weicht von deinen ab, %2 sind gleich.</translation>
    </message>
    <message>
        <source>%1 answers differ from yours, %2 the same.</source>
        <translation>%1 Antworten weichen von deinen ab, %2 sind gleich.</translation>
    </message>
    <message>
        <source>Replace all your answers with the answers of the code line on line %1?</source>
        <translation>Alle deine Antworten durch die der Code-Zeile in Zeile %1 ersetzen?</translation>
    </message>
</context>
<context>
    <name>brindlex::ReaderAnswerModel</name>
    <message>
        <source>differs</source>
        <translation>weicht ab</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>%1, differs</source>
        <translation>%1, weicht ab</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Their answer</source>
        <translation>Deren Antwort</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Differs from your answer</source>
        <translation>Weicht von deiner Antwort ab</translation>
    </message>
</context>
</TS>
