<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Answers</name>
    <message>
        <source>Sexually Attracted</source>
        <translation>Me atraen</translation>
    </message>
    <message>
        <source>Not Attracted To</source>
        <translation>No me atraen</translation>
    </message>
    <message>
        <source>Unsure</source>
        <translation>No lo sé</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>Sin especificar</translation>
    </message>
    <message>
        <source>Like</source>
        <translation>Me gusta</translation>
    </message>
    <message>
        <source>Dislike</source>
        <translation>No me gusta</translation>
    </message>
    <message>
        <source>Maybe</source>
        <translation>Quizás</translation>
    </message>
</context>
<context>
    <name>Categories</name>
    <message>
        <source>Species</source>
        <translation>Especie</translation>
    </message>
    <message>
        <source>Specifics</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Traits</source>
        <translation>Rasgos</translation>
    </message>
    <message>
        <source>Character gender</source>
        <translation>Género del personaje</translation>
    </message>
    <message>
        <source>Anthro Level</source>
        <translation>Nivel anthro</translation>
    </message>
    <message>
        <source>Realism</source>
        <translation>Realismo</translation>
    </message>
    <message>
        <source>Interwebs RP</source>
        <translation>Rol en la red</translation>
    </message>
    <message>
        <source>Fursuits</source>
        <translation>Fursuits</translation>
    </message>
    <message>
        <source>Made own suit</source>
        <translation>Traje hecho por mí</translation>
    </message>
    <message>
        <source>Transformation</source>
        <translation>Transformación</translation>
    </message>
    <message>
        <source>Hugs</source>
        <translation>Abrazos</translation>
    </message>
    <message>
        <source>Plushies</source>
        <translation>Peluches</translation>
    </message>
    <message>
        <source>Cons</source>
        <translation>Cons</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Arte</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Escritura</translation>
    </message>
    <message>
        <source>YiffyYiffy</source>
        <translation>YiffyYiffy</translation>
    </message>
    <message>
        <source>YiffyYiffy preference</source>
        <translation>Preferencia YiffyYiffy</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Edad</translation>
    </message>
    <message>
        <source>Own gender</source>
        <translation>Género propio</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Estudios</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Trained in</source>
        <translation>Formación en</translation>
    </message>
    <message>
        <source>FurFactor</source>
        <translation>Factor furry</translation>
    </message>
    <message>
        <source>Living</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Pets</source>
        <translation>Mascotas</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Interwebs</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Furry site</source>
        <translation>Sitio furry</translation>
    </message>
    <message>
        <source>Compy</source>
        <translation>Compu</translation>
    </message>
    <message>
        <source>Operating systems</source>
        <translation>Sistemas operativos</translation>
    </message>
    <message>
        <source>Anime</source>
        <translation>Anime</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Sex preference</source>
        <translation>Preferencia sexual</translation>
    </message>
    <message>
        <source>Include my kinks</source>
        <translation>Incluir mis kinks</translation>
    </message>
</context>
<context>
    <name>Explanations</name>
    <message>
        <source>no answer</source>
        <translation>sin respuesta</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unspecified</source>
        <translation>sin especificar</translation>
    </message>
    <message>
        <source>guys: %1, girls: %2</source>
        <translation>chicos: %1, chicas: %2</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>step %1 of 7</source>
        <translation>nivel %1 de 7</translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot;</source>
        <translation>nivel %1 de 7, por encima de «%2»</translation>
    </message>
    <message>
        <source>step %1 of 7, below &quot;%2&quot;</source>
        <translation>nivel %1 de 7, por debajo de «%2»</translation>
    </message>
    <message>
        <source>step %1 of 7, above &quot;%2&quot; and below &quot;%3&quot;</source>
        <translation>nivel %1 de 7, por encima de «%2» y por debajo de «%3»</translation>
    </message>
    <message>
        <source>role play %1, real life %2</source>
        <translation>en el rol: %1, en la vida real: %2</translation>
    </message>
</context>
<context>
    <name>Families</name>
    <message>
        <source>Undecided</source>
        <translation>Sin decidir</translation>
    </message>
    <message>
        <source>Artiodactyla (Two-Hoofed)</source>
        <translation>Artiodactyla (Dos pezuñas)</translation>
    </message>
    <message>
        <source>Avian</source>
        <translation>Aves</translation>
    </message>
    <message>
        <source>Canidae (Dog)</source>
        <translation>Canidae (Perro)</translation>
    </message>
    <message>
        <source>Centaur</source>
        <translation>Centauro</translation>
    </message>
    <message>
        <source>Chiroptera (Bat)</source>
        <translation>Chiroptera (Murciélago)</translation>
    </message>
    <message>
        <source>Cetacea (Whale)</source>
        <translation>Cetacea (Ballena)</translation>
    </message>
    <message>
        <source>Equidae (Horse)</source>
        <translation>Equidae (Caballo)</translation>
    </message>
    <message>
        <source>Edentata</source>
        <translation>Edentata</translation>
    </message>
    <message>
        <source>Feline (Cat)</source>
        <translation>Felidae (Gato)</translation>
    </message>
    <message>
        <source>Herpestidae (Mongoose)</source>
        <translation>Herpestidae (Mangosta)</translation>
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
        <translation>Lagomorpha (Conejo)</translation>
    </message>
    <message>
        <source>Mustelidae (Weasel)</source>
        <translation>Mustelidae (Comadreja)</translation>
    </message>
    <message>
        <source>Marsupialia</source>
        <translation>Marsupialia</translation>
    </message>
    <message>
        <source>Monotremata (Platypy)</source>
        <translation>Monotremata (Ornitorrincos)</translation>
    </message>
    <message>
        <source>Procyonidae (Racoon)</source>
        <translation>Procyonidae (Mapache)</translation>
    </message>
    <message>
        <source>Pinnipedia (Seal)</source>
        <translation>Pinnipedia (Foca)</translation>
    </message>
    <message>
        <source>Primate</source>
        <translation>Primates</translation>
    </message>
    <message>
        <source>Rodentia</source>
        <translation>Rodentia</translation>
    </message>
    <message>
        <source>Scaly</source>
        <translation>Escamosos</translation>
    </message>
    <message>
        <source>Ursidae (Bear)</source>
        <translation>Ursidae (Oso)</translation>
    </message>
    <message>
        <source>Viverridae (Civet)</source>
        <translation>Viverridae (Civeta)</translation>
    </message>
    <message>
        <source>Mythical</source>
        <translation>Mitológicos</translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation>Polimorfo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>FPS</translation>
    </message>
    <message>
        <source>Action/Adventure</source>
        <translation>Acción/Aventura</translation>
    </message>
    <message>
        <source>Music/Dance</source>
        <translation>Música/Baile</translation>
    </message>
    <message>
        <source>Board and Card</source>
        <translation>Mesa y cartas</translation>
    </message>
    <message>
        <source>Puzzle</source>
        <translation>Puzles</translation>
    </message>
    <message>
        <source>Sports</source>
        <translation>Deporte</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>Genders</name>
    <message>
        <source>Polymorph</source>
        <translation>Polimorfo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Femenino</translation>
    </message>
    <message>
        <source>Herm</source>
        <translation>Herm</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>Sin especificar</translation>
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
        <translation>Marca los rasgos que tiene tu personaje; los de la izquierda se explican solos
Alter ego: eres tú mismo en versión peluda
Personaje de disfraz: un personaje del que te gusta disfrazarte
Personaje de dibujo: este personaje sale en ilustraciones
Personaje de rol: lo usas para hacer rol/MUCK
Espíritu guardián: es tu «espíritu guardián» o tótem
Personaje de historia: lo usas para escribir historias</translation>
    </message>
    <message>
        <source>6 - Humanoid body with very little animal features
3 - A good trade off between human features and feral features
1 - You&apos;re a total feral furry</source>
        <translation>6 - Cuerpo humanoide con muy pocos rasgos animales
3 - Un buen equilibrio entre rasgos humanos y ferales
1 - Eres un furry totalmente feral</translation>
    </message>
    <message>
        <source>6 - This is a drawing? No... you lie D&apos;:
5 - Photorealistic or bust, I want to see every single hair
4 - Detailed and natural, with a little artistic freedom
3 - Halfway between real and cartoon suits me fine
2 - Stylized is nice, realism is overrated
1 - Give me big eyes and bouncy toons! ^_^
0 - Realism? Bring on the squiggly stick figures :P</source>
        <translation>6 - ¿Esto es un dibujo? No... mientes D&apos;:
5 - Fotorrealista o nada, quiero ver cada pelo
4 - Detallado y natural, con un poco de libertad artística
3 - A medio camino entre lo real y lo cartoon, me va bien
2 - Lo estilizado mola, el realismo está sobrevalorado
1 - ¡Dame ojazos y toons saltarines! ^_^
0 - ¿Realismo? Que vengan los monigotes de palitos :P</translation>
    </message>
    <message>
        <source>6 - I R teh RP KING! BOW DOWN BETCHES! &gt;:D
5 - I RP every night and have more characters than I can count
4 - I RP a few times a week on my favourite sites
3 - I RP now and then when the mood strikes
2 - Tried it a couple of times... meh
1 - I&apos;ve watched others RP but never joined in
0 - *backs away slowly* RP? No thanks o.O</source>
        <translation>6 - ¡SOY EL REY DEL ROL! ¡ARRODILLAOS, NOOBS! &gt;:D
5 - Hago rol todas las noches y tengo más personajes de los que puedo contar
4 - Hago rol varias veces por semana en mis sitios favoritos
3 - Hago rol de vez en cuando, si me apetece
2 - Lo he probado un par de veces... meh
1 - He visto a otros hacer rol, pero nunca me he unido
0 - *retrocede despacito* ¿Rol? No, gracias o.O</translation>
    </message>
    <message>
        <source>6 - This is not a costume, good sir, this is my skin! D:&lt;
5 - I own several suits and wear them every chance I get
4 - I have my own fursuit and take it out now and then
3 - I&apos;ve got a partial (ears, tail, paws) or a suit on the way
2 - I&apos;d love a suit someday, saving up the pennies ;_;
1 - Fun to look at, but you won&apos;t catch me in one
0 - Too hot, too smelly, too expensive. Nope! &gt;_&lt;</source>
        <translation>6 - ¡Esto no es un disfraz, caballero, es mi piel! D:&lt;
5 - Tengo varios fursuits y me los pongo siempre que puedo
4 - Tengo mi propio fursuit y lo saco de vez en cuando
3 - Tengo un partial (orejas, cola, patas) o un traje en camino
2 - Algún día me encantaría tener uno, estoy ahorrando ;_;
1 - Mola verlos, pero a mí no me pillas dentro de uno
0 - Demasiado calor, demasiado olor, demasiado caro. ¡Paso! &gt;_&lt;</translation>
    </message>
    <message>
        <source>6 - Screw the legals, make me furry, NAO!!!
5 - Sign me up as a beta tester for any TF serum
4 - If it were safe and permanent I&apos;d do it in a heartbeat
3 - Maybe, if I could change back on weekends
2 - Fun to daydream about, but I&apos;ll stay as I am
1 - Only in stories and art, thanks
0 - Nope, I&apos;m keeping my opposable thumbs and bare skin :|</source>
        <translation>6 - ¡Al cuerno las leyes, hacedme furry YA!!!
5 - Apuntadme como beta tester de cualquier suero TF
4 - Si fuera seguro y permanente, lo haría sin pensarlo
3 - Quizás, si pudiera volver a la normalidad los findes
2 - Mola soñarlo despierto, pero me quedo como estoy
1 - Solo en historias y dibujos, gracias
0 - Ni hablar, me quedo con mis pulgares oponibles y mi piel desnuda :|</translation>
    </message>
    <message>
        <source>6 - If it moves, I&apos;ll hug it (if it doesn&apos;t move, I&apos;ll hug it until it does &gt;:3)
5 - Hugs for everyone! Friends, strangers, lampposts... *glomp*
4 - I love hugs and hand them out freely to my friends
3 - A hug now and then is nice
2 - Only from people I know really well
1 - Ask first... and I&apos;ll probably still say no
0 - Don&apos;t touch me! &gt;:(</source>
        <translation>6 - Si se mueve, lo abrazo (si no se mueve, lo abrazo hasta que lo haga &gt;:3)
5 - ¡Abrazos para todos! Amigos, desconocidos, farolas... *glomp*
4 - Me encantan los abrazos y se los doy a mis amigos sin parar
3 - Un abrazo de vez en cuando está bien
2 - Solo de gente a la que conozco muy bien
1 - Pregunta antes... y seguramente diré que no
0 - ¡No me toques! &gt;:(</translation>
    </message>
    <message>
        <source>6 - I build kingdoms with all my plushie friends
5 - My bed is more plushie than mattress
4 - I have a nice collection and every one of them has a name
3 - A few plushies sit on my shelf
2 - I&apos;ve kept one or two from when I was little
1 - They&apos;re cute, but I don&apos;t own any
0 - Plushies? What am I, five? :P</source>
        <translation>6 - Construyo reinos enteros con todos mis amigos de peluche
5 - Mi cama tiene más peluches que colchón
4 - Tengo una buena colección y cada uno tiene nombre
3 - Tengo unos cuantos peluches en la estantería
2 - Conservo uno o dos de cuando era pequeño
1 - Son monos, pero no tengo ninguno
0 - ¿Peluches? ¿Qué tengo, cinco años? :P</translation>
    </message>
    <message>
        <source>6 - Been to lots of cons and have organized at least one
5 - I go to several cons a year and help out as staff
4 - I make it to at least one con every year
3 - Been to a few cons
2 - Been to one con so far
1 - Never been, but I&apos;m planning to go soon! :D
0 - Never been to a con and have no plans to go</source>
        <translation>6 - He ido a un montón de cons y he organizado al menos una
5 - Voy a varias cons al año y ayudo como staff
4 - Voy al menos a una con cada año
3 - He ido a unas cuantas cons
2 - He ido a una con, de momento
1 - Nunca he ido, ¡pero pienso ir pronto! :D
0 - Nunca he ido a una con y no pienso ir</translation>
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
        <translation>6 - ¡El arte es la vidah! :D
5 - Dibujo mucho y tengo toda una galería de obras propias,
    ¡comisiones abiertas! ^_^
4 - Dibujo a menudo y subo mis cosas a internet
3 - Hago garabatos a veces y me encanta mirar arte
2 - Sobre todo miro, no sé dibujar ni aunque me fuera la cola en ello
1 - Echo un vistazo a algo de arte de vez en cuando
0 - ¿Arte? Meh, no es lo mío</translation>
    </message>
    <message>
        <source>6 - I dominate the writing market! &gt;^,.,^&lt;
5 - I write all the time and have a loyal bunch of readers
4 - I write stories regularly and post them online
3 - I write a little something now and then
2 - I mostly read, but sometimes I jot down an idea
1 - I read furry stories but never write any
0 - Writing? I can barely manage a shopping list o.o</source>
        <translation>6 - ¡Domino el mercado de la escritura! &gt;^,.,^&lt;
5 - Escribo todo el rato y tengo un grupo fiel de lectores
4 - Escribo historias con regularidad y las subo a internet
3 - Escribo alguna cosilla de vez en cuando
2 - Sobre todo leo, pero a veces apunto alguna idea
1 - Leo historias furry, pero nunca escribo
0 - ¿Escribir? Si apenas me apaño con la lista de la compra o.o</translation>
    </message>
    <message>
        <source>6 - What more is there to do in lief than yiff? :D
5 - I yiff often and love every minute of it ;3
4 - Yiff is a big part of my furry life
3 - Yiff is nice, now and then
2 - A little yiff is OK, but it&apos;s not why I&apos;m here
1 - I&apos;d rather keep my fur clean, thanks
0 - Yiff? Ewww, no! &gt;_&lt;</source>
        <translation>6 - ¿Qué más hay en la vidah aparte del yiff? :D
5 - Hago yiff a menudo y disfruto cada minuto ;3
4 - El yiff es una gran parte de mi vida furry
3 - El yiff está bien, de vez en cuando
2 - Un poco de yiff está bien, pero no estoy aquí por eso
1 - Prefiero mantener mi pelaje limpio, gracias
0 - ¿Yiff? ¡Puaj, no! &gt;_&lt;</translation>
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
0 - Menos de 10 años</translation>
    </message>
    <message>
        <source>6 - Doctorate or equivalent
5 - Master&apos;s degree or equivalent
4 - Bachelor&apos;s degree or equivalent
3 - Some post-high school training
2 - High school grad/GED
1 - Haven&apos;t finished high school
0 - Haven&apos;t started highschool</source>
        <translation>6 - Doctorado o equivalente
5 - Máster o equivalente
4 - Grado universitario o equivalente
3 - Algo de formación tras el instituto
2 - Bachillerato terminado o equivalente
1 - No he terminado el instituto
0 - Todavía no he empezado el instituto</translation>
    </message>
    <message>
        <source>What is your current employment type and what are you trained in?</source>
        <translation>¿Cuál es tu situación laboral actual y en qué te has formado?</translation>
    </message>
    <message>
        <source>6 - I r nawt h00man, I am FURREH! =^3^=
5 - Furry through and through, the human part is just a costume
4 - Being furry is a big part of who I am
3 - Half furry, half human, all awesome
2 - Mostly human with a few furry bits
1 - I just like furry stuff, that&apos;s all
0 - 100% h00man, I just hang around here :P</source>
        <translation>6 - Yo no zoy humano, ¡zoy PELUDO! =^3^=
5 - Furry de los pies a la cabeza, lo humano es solo un disfraz
4 - Ser furry es una gran parte de quién soy
3 - Mitad furry, mitad humano, todo genial
2 - Sobre todo humano, con algunos toques furry
1 - Solo me gustan las cosas furry, nada más
0 - 100 % humano, solo estoy aquí de paso :P</translation>
    </message>
    <message>
        <source>6 - Living with a spouse/significant other on a long term basis
5 - Living with my partner, just the two of us for now
4 - Living on my own, king/queen of my castle
3 - Sharing a place with roommates
2 - Living with relatives
1 - Still living with my parents
0 - No fixed place right now (couch, dorm, cardboard box...)</source>
        <translation>6 - Vivo con mi cónyuge/pareja estable desde hace tiempo
5 - Vivo con mi pareja, de momento los dos solos
4 - Vivo solo, rey/reina de mi castillo
3 - Comparto piso
2 - Vivo con familiares
1 - Todavía vivo con mis padres
0 - Sin sitio fijo ahora mismo (sofá, residencia, caja de cartón...)</translation>
    </message>
    <message>
        <source>6 - I have lots &apos;n lots &apos;n lots of animals at my place ^_^
5 - I&apos;ve got a few pets and they run the house
4 - I have a couple of pets I totally dote on
3 - I have one pet who is my best friend
2 - No pets right now, but I used to have some
1 - I&apos;d like a pet someday
0 - No pets, never had any, and I&apos;m fine with that</source>
        <translation>6 - ¡En mi casa hay muchííísimos animales! ^_^
5 - Tengo unas cuantas mascotas y ellas mandan en casa
4 - Tengo un par de mascotas a las que mimo un montón
3 - Tengo una mascota que es mi mejor amiga
2 - Ahora no tengo mascotas, pero antes sí
1 - Me gustaría tener una mascota algún día
0 - Sin mascotas, nunca he tenido y me va bien así</translation>
    </message>
    <message>
        <source>6 - I&apos;m MLG pro, n00bz!
5 - I play every day and I&apos;m pretty darn good at it
4 - I game a lot, most evenings and weekends
3 - I play a few games now and then
2 - A quick game once in a while
1 - I used to play, but not much anymore
0 - Games? I have a life, you know :P</source>
        <translation>6 - ¡Soy pro de MLG, n00bs!
5 - Juego todos los días y se me da bastante bien
4 - Juego mucho, casi todas las tardes y los findes
3 - Juego a algunas cosas de vez en cuando
2 - Alguna partidita rápida de vez en cuando
1 - Antes jugaba, pero ya casi nada
0 - ¿Videojuegos? Tengo vida, ¿sabes? :P</translation>
    </message>
    <message>
        <source>6 - I am a Webmaster/Admin to my website or I am moderator/staff member on a well established site
5 - I run my own little site or blog and keep it updated
4 - I post on forums and sites every single day
3 - I browse a lot and post now and then
2 - I mostly lurk and read
1 - I check my email and that&apos;s about it
0 - What&apos;s this &quot;interwebs&quot; thing? o.O</source>
        <translation>6 - Soy webmaster/admin de mi propia web o moderador/staff en un sitio grande y consolidado
5 - Tengo mi propia webcita o blog y lo mantengo al día
4 - Publico en foros y webs todos los días
3 - Navego mucho y publico de vez en cuando
2 - Sobre todo leo sin publicar
1 - Miro el correo y poco más
0 - ¿Qué es eso de la «interné»? o.O</translation>
    </message>
    <message>
        <source>6 - Imma have the first person to receive anelectronic interface in my head
5 - I build my own machines and write my own code
4 - I can fix most computer problems myself
3 - I know my way around a computer pretty well
2 - I can get online and do the basics
1 - I need help every time something goes wrong
0 - Which one is the &quot;any key&quot;? D:</source>
        <translation>6 - Voy a ser el primero en tener una interfaz electrónica en la cabeza
5 - Me monto mis propios equipos y escribo mi propio código
4 - Arreglo yo solo casi todos los problemas del ordenador
3 - Me manejo bastante bien con el ordenador
2 - Sé conectarme a internet y lo básico
1 - Necesito ayuda cada vez que algo falla
0 - ¿Cuál es la «tecla cualquiera»? D:</translation>
    </message>
    <message>
        <source>6 - I am a writer/artist/seyeiuu
5 - I watch everything and go to anime cons in cosplay
4 - I watch lots of anime and read manga
3 - I watch a series now and then
2 - I&apos;ve seen a few shows, they&apos;re OK
1 - I&apos;ve heard of it but never really watched any
0 - Anime? Cartoons from Japan? No thanks</source>
        <translation>6 - Soy escritor/artista/seiyuu
5 - Lo veo todo y voy a cons de anime en cosplay
4 - Veo mucho anime y leo manga
3 - Veo alguna serie de vez en cuando
2 - He visto unas cuantas series, no están mal
1 - Me suena, pero nunca he visto nada en serio
0 - ¿Anime? ¿Dibujos japoneses? No, gracias</translation>
    </message>
    <message>
        <source>6 - Motto I go by: life is a glass and sex is the beverage; without it, life is empty! Sex IS life!
5 - Sex is great and I get plenty of it ;3
4 - I enjoy sex on a regular basis
3 - Sex is nice once in a while
2 - Not much going on there, and that&apos;s OK
1 - Haven&apos;t had sex yet, but maybe someday
0 - Not interested in sex at all</source>
        <translation>6 - Mi lema: la vida es un vaso y el sexo es la bebida; ¡sin él, la vida está vacía! ¡El sexo ES vida!
5 - El sexo es genial y tengo de sobra ;3
4 - Disfruto del sexo con regularidad
3 - El sexo está bien de vez en cuando
2 - No hay mucho movimiento, y está bien así
1 - Todavía no he tenido sexo, pero quizás algún día
0 - No me interesa el sexo en absoluto</translation>
    </message>
    <message>
        <source>Do you want to show your kinks in your code line?</source>
        <translation>¿Quieres mostrar tus kinks en tu línea de código?</translation>
    </message>
</context>
<context>
    <name>KinkDescriptions</name>
    <message>
        <source>have sexual encounters in a fursuit or with someone in one</source>
        <translation>tener sexo con fursuit puesto o con alguien que lo lleve</translation>
    </message>
    <message>
        <source>use plushies for sexual pleasure</source>
        <translation>usar peluches para darte placer sexual</translation>
    </message>
    <message>
        <source>feel sexual attraction toward real, non-anthro animals</source>
        <translation>sentir atracción sexual por animales reales, no anthro</translation>
    </message>
    <message>
        <source>role-play as someone older or younger than you really are</source>
        <translation>hacer de alguien mayor o menor de lo que eres en realidad</translation>
    </message>
    <message>
        <source>have anal sex</source>
        <translation>tener sexo anal</translation>
    </message>
    <message>
        <source>try pretty much anything your partner(s) come up with</source>
        <translation>probar casi cualquier cosa que se le ocurra a tu(s) pareja(s)</translation>
    </message>
    <message>
        <source>bite or be bitten during sex</source>
        <translation>morder o que te muerdan durante el sexo</translation>
    </message>
    <message>
        <source>bring blood into your sexual play</source>
        <translation>meter sangre en tus juegos sexuales</translation>
    </message>
    <message>
        <source>tie up your partner or be tied up yourself</source>
        <translation>atar a tu pareja o que te aten a ti</translation>
    </message>
    <message>
        <source>mark or be marked with a permanent brand</source>
        <translation>marcar o ser marcado con una marca permanente</translation>
    </message>
    <message>
        <source>fondle, kiss and otherwise play with breasts</source>
        <translation>acariciar, besar y jugar con pechos</translation>
    </message>
    <message>
        <source>restrict breathing during sex for a heightened rush</source>
        <translation>limitar la respiración durante el sexo para un subidón mayor</translation>
    </message>
    <message>
        <source>have sex with the aim or fantasy of making offspring</source>
        <translation>tener sexo con la idea o la fantasía de tener crías</translation>
    </message>
    <message>
        <source>kiss, lick or otherwise adore your partner&apos;s boots</source>
        <translation>besar, lamer o adorar de otra forma las botas de tu pareja</translation>
    </message>
    <message>
        <source>fantasize about castrating someone or being castrated</source>
        <translation>fantasear con castrar a alguien o con que te castren</translation>
    </message>
    <message>
        <source>give or receive pain to the genitals (cock and ball torture)</source>
        <translation>dar o recibir dolor en los genitales (cock and ball torture)</translation>
    </message>
    <message>
        <source>have sex under the influence of alcohol or other substances</source>
        <translation>tener sexo bajo los efectos del alcohol u otras sustancias</translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s vagina</source>
        <translation>adorar y dar placer a la vagina de tu pareja</translation>
    </message>
    <message>
        <source>savor your partner&apos;s cum</source>
        <translation>saborear el semen de tu pareja</translation>
    </message>
    <message>
        <source>be covered in cum or cover your partner in it</source>
        <translation>acabar cubierto de semen o cubrir con él a tu pareja</translation>
    </message>
    <message>
        <source>adore and pleasure your partner&apos;s penis</source>
        <translation>adorar y dar placer al pene de tu pareja</translation>
    </message>
    <message>
        <source>wear clothes usually worn by the other gender</source>
        <translation>llevar ropa que suele llevar el otro género</translation>
    </message>
    <message>
        <source>have an accepting consensus between the partners involved</source>
        <translation>que haya un consenso claro entre todas las partes</translation>
    </message>
    <message>
        <source>cuddle and snuggle with your partner(s) before/during/after sex</source>
        <translation>hacer mimos y acurrucarte con tu(s) pareja(s) antes, durante o después del sexo</translation>
    </message>
    <message>
        <source>take control and dominate your partner(s)</source>
        <translation>tomar el control y dominar a tu(s) pareja(s)</translation>
    </message>
    <message>
        <source>use sex dolls or act as a living doll for your partner</source>
        <translation>usar muñecas sexuales o hacer de muñeca viviente para tu pareja</translation>
    </message>
    <message>
        <source>wear diapers or have your partner wear them</source>
        <translation>llevar pañales o que tu pareja los lleve</translation>
    </message>
    <message>
        <source>set rules and punish when they are broken, or be punished yourself</source>
        <translation>poner normas y castigar cuando se rompen, o que te castiguen a ti</translation>
    </message>
    <message>
        <source>talk dirty or be talked dirty to during sex</source>
        <translation>hablar sucio o que te hablen sucio durante el sexo</translation>
    </message>
    <message>
        <source>misbehave on purpose so that you get put in your place</source>
        <translation>portarte mal a propósito para que te pongan en tu sitio</translation>
    </message>
    <message>
        <source>color your fur, hair or skin with dyes or body paint for play</source>
        <translation>teñirte el pelaje, el pelo o la piel con tintes o pintura corporal para jugar</translation>
    </message>
    <message>
        <source>give or receive enemas</source>
        <translation>poner o recibir enemas</translation>
    </message>
    <message>
        <source>use electrical stimulation for sexual pleasure</source>
        <translation>usar estimulación eléctrica para el placer sexual</translation>
    </message>
    <message>
        <source>show yourself off or have sex where others might see</source>
        <translation>exhibirte o tener sexo donde otros podrían verte</translation>
    </message>
    <message>
        <source>be with a partner who has plenty of sexual experience</source>
        <translation>estar con alguien con mucha experiencia sexual</translation>
    </message>
    <message>
        <source>bring food into your sexual play</source>
        <translation>meter comida en tus juegos sexuales</translation>
    </message>
    <message>
        <source>give feet or paws sexual attention</source>
        <translation>dar atención sexual a pies o patas</translation>
    </message>
    <message>
        <source>scare or be scared as part of sexual play</source>
        <translation>asustar o que te asusten como parte del juego sexual</translation>
    </message>
    <message>
        <source>be made more feminine by your partner, or make a partner more feminine</source>
        <translation>que tu pareja te feminice o feminizar tú a tu pareja</translation>
    </message>
    <message>
        <source>insert a whole hand into your partner or have it done to you</source>
        <translation>meter la mano entera a tu pareja o que te lo hagan a ti</translation>
    </message>
    <message>
        <source>humiliate your partner or be humiliated</source>
        <translation>humillar a tu pareja o que te humillen</translation>
    </message>
    <message>
        <source>role-play sex between members of the same family</source>
        <translation>hacer rol de sexo entre miembros de la misma familia</translation>
    </message>
    <message>
        <source>be with a partner who has little or no sexual experience</source>
        <translation>estar con alguien con poca o ninguna experiencia sexual</translation>
    </message>
    <message>
        <source>be treated like a baby by your partner, or look after one who is</source>
        <translation>que tu pareja te trate como a un bebé, o cuidar tú de uno</translation>
    </message>
    <message>
        <source>fantasize about bodies being inflated or swelling up</source>
        <translation>fantasear con cuerpos que se inflan o se hinchan</translation>
    </message>
    <message>
        <source>be with a partner in heat, or be in heat yourself</source>
        <translation>estar con una pareja en celo o estar en celo tú</translation>
    </message>
    <message>
        <source>bring breast milk and lactation into your play</source>
        <translation>meter leche materna y lactancia en tus juegos</translation>
    </message>
    <message>
        <source>be with partners who have big, heavy bodies</source>
        <translation>estar con parejas de cuerpo grande y pesado</translation>
    </message>
    <message>
        <source>wear latex or rubber, or see your partner in it</source>
        <translation>llevar látex o goma, o ver a tu pareja con ello</translation>
    </message>
    <message>
        <source>wear leather, or see your partner in it</source>
        <translation>llevar cuero o ver a tu pareja con él</translation>
    </message>
    <message>
        <source>wear a leash and collar, or put them on your partner</source>
        <translation>llevar correa y collar, o ponérselos a tu pareja</translation>
    </message>
    <message>
        <source>be intimate with robots, androids or other mechanical beings</source>
        <translation>tener intimidad con robots, androides u otros seres mecánicos</translation>
    </message>
    <message>
        <source>use sex machines and other mechanical devices</source>
        <translation>usar máquinas sexuales y otros aparatos mecánicos</translation>
    </message>
    <message>
        <source>use magic or magical powers in your play</source>
        <translation>usar magia o poderes mágicos en tus juegos</translation>
    </message>
    <message>
        <source>act as the master of a partner who serves you</source>
        <translation>ser el amo o la ama de una pareja que te sirve</translation>
    </message>
    <message>
        <source>masturbate, or watch your partner masturbate</source>
        <translation>masturbarte o ver cómo se masturba tu pareja</translation>
    </message>
    <message>
        <source>get messy and sticky with fluids, food or mud</source>
        <translation>ponerte perdido y pegajoso de fluidos, comida o barro</translation>
    </message>
    <message>
        <source>control your partner&apos;s mind or have yours controlled, e.g. by hypnosis</source>
        <translation>controlar la mente de tu pareja o que controlen la tuya, por ejemplo con hipnosis</translation>
    </message>
    <message>
        <source>enjoy the natural scent and musk of your partner</source>
        <translation>disfrutar del olor natural y el almizcle de tu pareja</translation>
    </message>
    <message>
        <source>pinch, clamp or otherwise torment nipples</source>
        <translation>pellizcar, pinzar o atormentar pezones de otra forma</translation>
    </message>
    <message>
        <source>have a smooth body without genitals, or be with someone who has one</source>
        <translation>tener un cuerpo liso sin genitales, o estar con alguien que lo tenga</translation>
    </message>
    <message>
        <source>give or receive oral sex</source>
        <translation>dar o recibir sexo oral</translation>
    </message>
    <message>
        <source>keep your partner from reaching orgasm, or be kept from it yourself</source>
        <translation>impedir que tu pareja llegue al orgasmo, o que te lo impidan a ti</translation>
    </message>
    <message>
        <source>have sex with many partners at once</source>
        <translation>tener sexo con muchas parejas a la vez</translation>
    </message>
    <message>
        <source>wear panties or play with your partner&apos;s</source>
        <translation>llevar bragas o jugar con las de tu pareja</translation>
    </message>
    <message>
        <source>be treated as a pet or keep your partner as one</source>
        <translation>que te traten como a una mascota o tener a tu pareja como una</translation>
    </message>
    <message>
        <source>have piercings or play with your partner&apos;s</source>
        <translation>tener piercings o jugar con los de tu pareja</translation>
    </message>
    <message>
        <source>play the predator who hunts down and takes their prey</source>
        <translation>hacer de depredador que caza y se lleva a su presa</translation>
    </message>
    <message>
        <source>find pregnancy sexy, in yourself or in your partner</source>
        <translation>encontrar sexy el embarazo, en ti o en tu pareja</translation>
    </message>
    <message>
        <source>play the prey who gets hunted down and caught</source>
        <translation>hacer de presa a la que cazan y atrapan</translation>
    </message>
    <message>
        <source>act out forced sex scenes that were agreed on beforehand</source>
        <translation>representar escenas de sexo forzado acordadas de antemano</translation>
    </message>
    <message>
        <source>lick around your partner&apos;s anus or have yours licked</source>
        <translation>lamer el ano de tu pareja o que te laman el tuyo</translation>
    </message>
    <message>
        <source>act out scenes and characters with your partner(s)</source>
        <translation>interpretar escenas y personajes con tu(s) pareja(s)</translation>
    </message>
    <message>
        <source>make love in a tender, caring, romantic way</source>
        <translation>hacer el amor de forma tierna, cariñosa y romántica</translation>
    </message>
    <message>
        <source>cause your partner pain for the pleasure of both of you</source>
        <translation>causar dolor a tu pareja para el placer de ambos</translation>
    </message>
    <message>
        <source>bring feces into your sexual play</source>
        <translation>meter heces en tus juegos sexuales</translation>
    </message>
    <message>
        <source>be with partners who are short</source>
        <translation>estar con parejas bajitas</translation>
    </message>
    <message>
        <source>be with partners who have small, slender bodies</source>
        <translation>estar con parejas de cuerpo pequeño y delgado</translation>
    </message>
    <message>
        <source>fantasize about killing or being killed during sex</source>
        <translation>fantasear con matar o que te maten durante el sexo</translation>
    </message>
    <message>
        <source>spank or be spanked</source>
        <translation>dar azotes o recibirlos</translation>
    </message>
    <message>
        <source>squish or be squished under a much bigger body</source>
        <translation>aplastar o que te aplaste un cuerpo mucho más grande</translation>
    </message>
    <message>
        <source>make a female partner squirt, or squirt yourself</source>
        <translation>hacer que tu pareja haga squirting, o hacerlo tú</translation>
    </message>
    <message>
        <source>give up control and submit to your partner(s)</source>
        <translation>ceder el control y someterte a tu(s) pareja(s)</translation>
    </message>
    <message>
        <source>switch between the dominant and the submissive role</source>
        <translation>alternar entre el papel dominante y el sumiso</translation>
    </message>
    <message>
        <source>be with partners who are tall</source>
        <translation>estar con parejas altas</translation>
    </message>
    <message>
        <source>have tattoos or be with a tattooed partner</source>
        <translation>tener tatuajes o estar con una pareja tatuada</translation>
    </message>
    <message>
        <source>tease your partner or be teased until someone gives in</source>
        <translation>provocar a tu pareja o que te provoquen hasta que alguien ceda</translation>
    </message>
    <message>
        <source>tickle or be tickled</source>
        <translation>hacer cosquillas o que te las hagan</translation>
    </message>
    <message>
        <source>use sex toys, alone or with a partner</source>
        <translation>usar juguetes sexuales, a solas o en pareja</translation>
    </message>
    <message>
        <source>play with tentacles or tentacled creatures</source>
        <translation>jugar con tentáculos o criaturas con tentáculos</translation>
    </message>
    <message>
        <source>change shape, or watch your partner change shape, during sex</source>
        <translation>cambiar de forma durante el sexo, o ver cómo cambia tu pareja</translation>
    </message>
    <message>
        <source>leave sex out of the picture because it does not interest you</source>
        <translation>dejar el sexo de lado porque no te interesa</translation>
    </message>
    <message>
        <source>drink blood or have your blood drunk, vampire style</source>
        <translation>beber sangre o que te la beban, al estilo vampiro</translation>
    </message>
    <message>
        <source>fantasize about swallowing someone whole or being swallowed</source>
        <translation>fantasear con tragarte a alguien entero o que te traguen</translation>
    </message>
    <message>
        <source>watch others undress or have sex</source>
        <translation>mirar a otros desnudarse o tener sexo</translation>
    </message>
    <message>
        <source>bring urine into your sexual play</source>
        <translation>meter orina en tus juegos sexuales</translation>
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
        <translation>Peluches</translation>
    </message>
    <message>
        <source>Zoophilia</source>
        <translation>Zoofilia</translation>
    </message>
    <message>
        <source>Age Play</source>
        <translation>Age play</translation>
    </message>
    <message>
        <source>Anal</source>
        <translation>Anal</translation>
    </message>
    <message>
        <source>Anything Goes</source>
        <translation>Todo vale</translation>
    </message>
    <message>
        <source>Biting</source>
        <translation>Mordiscos</translation>
    </message>
    <message>
        <source>Blood</source>
        <translation>Sangre</translation>
    </message>
    <message>
        <source>Bondage</source>
        <translation>Bondage</translation>
    </message>
    <message>
        <source>Branding</source>
        <translation>Marcado</translation>
    </message>
    <message>
        <source>Breast Play</source>
        <translation>Juego con pechos</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Control de aire</translation>
    </message>
    <message>
        <source>Breeding</source>
        <translation>Breeding</translation>
    </message>
    <message>
        <source>Boot Worship</source>
        <translation>Culto a botas</translation>
    </message>
    <message>
        <source>Castration</source>
        <translation>Castración</translation>
    </message>
    <message>
        <source>CBT</source>
        <translation>CBT</translation>
    </message>
    <message>
        <source>Chemical Influence</source>
        <translation>Sustancias</translation>
    </message>
    <message>
        <source>Cunt Worship</source>
        <translation>Culto al coño</translation>
    </message>
    <message>
        <source>Cum (love of)</source>
        <translation>Semen (amor al)</translation>
    </message>
    <message>
        <source>Cum (covered in)</source>
        <translation>Semen (cubierto)</translation>
    </message>
    <message>
        <source>Cock Worship</source>
        <translation>Culto a la polla</translation>
    </message>
    <message>
        <source>Crossdressing</source>
        <translation>Crossdressing</translation>
    </message>
    <message>
        <source>Consensual</source>
        <translation>Consensuado</translation>
    </message>
    <message>
        <source>Cuddling</source>
        <translation>Mimos</translation>
    </message>
    <message>
        <source>Dominate</source>
        <translation>Dominar</translation>
    </message>
    <message>
        <source>Dolls</source>
        <translation>Muñecas</translation>
    </message>
    <message>
        <source>Diapers</source>
        <translation>Pañales</translation>
    </message>
    <message>
        <source>Discipline</source>
        <translation>Disciplina</translation>
    </message>
    <message>
        <source>Dirty Talk</source>
        <translation>Hablar sucio</translation>
    </message>
    <message>
        <source>Disobedient</source>
        <translation>Desobediente</translation>
    </message>
    <message>
        <source>Dyes</source>
        <translation>Tintes</translation>
    </message>
    <message>
        <source>Enema</source>
        <translation>Enema</translation>
    </message>
    <message>
        <source>E-Stim</source>
        <translation>Electroestim.</translation>
    </message>
    <message>
        <source>Exibitionist</source>
        <translation>Exhibicionista</translation>
    </message>
    <message>
        <source>Experienced</source>
        <translation>Con experiencia</translation>
    </message>
    <message>
        <source>Food Play</source>
        <translation>Juego con comida</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Fear</source>
        <translation>Miedo</translation>
    </message>
    <message>
        <source>Feminization</source>
        <translation>Feminización</translation>
    </message>
    <message>
        <source>Fisting</source>
        <translation>Fisting</translation>
    </message>
    <message>
        <source>Humiliation</source>
        <translation>Humillación</translation>
    </message>
    <message>
        <source>Incest</source>
        <translation>Incesto</translation>
    </message>
    <message>
        <source>Inexperienced</source>
        <translation>Sin experiencia</translation>
    </message>
    <message>
        <source>Infantilist</source>
        <translation>Infantilismo</translation>
    </message>
    <message>
        <source>Inflation</source>
        <translation>Inflación</translation>
    </message>
    <message>
        <source>In-Heat</source>
        <translation>En celo</translation>
    </message>
    <message>
        <source>Lactophile</source>
        <translation>Lactofilia</translation>
    </message>
    <message>
        <source>Large Body</source>
        <translation>Cuerpo grande</translation>
    </message>
    <message>
        <source>Latex</source>
        <translation>Látex</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Cuero</translation>
    </message>
    <message>
        <source>Leashes and Collars</source>
        <translation>Correa y collar</translation>
    </message>
    <message>
        <source>Machinist</source>
        <translation>Mecanófilo</translation>
    </message>
    <message>
        <source>Machinery</source>
        <translation>Máquinas</translation>
    </message>
    <message>
        <source>Magical</source>
        <translation>Mágico</translation>
    </message>
    <message>
        <source>Mastering</source>
        <translation>Ser amo</translation>
    </message>
    <message>
        <source>Masterbation</source>
        <translation>Masturbación</translation>
    </message>
    <message>
        <source>Messy</source>
        <translation>Guarro</translation>
    </message>
    <message>
        <source>Mind Control</source>
        <translation>Control mental</translation>
    </message>
    <message>
        <source>Musky</source>
        <translation>Almizcle</translation>
    </message>
    <message>
        <source>Nipple Torture</source>
        <translation>Tortura pezones</translation>
    </message>
    <message>
        <source>Nullification</source>
        <translation>Nulificación</translation>
    </message>
    <message>
        <source>Oral</source>
        <translation>Oral</translation>
    </message>
    <message>
        <source>Orgasm Denial</source>
        <translation>Orgasmo negado</translation>
    </message>
    <message>
        <source>Orgy</source>
        <translation>Orgía</translation>
    </message>
    <message>
        <source>Panties</source>
        <translation>Bragas</translation>
    </message>
    <message>
        <source>Pet Play</source>
        <translation>Pet play</translation>
    </message>
    <message>
        <source>Piercing</source>
        <translation>Piercing</translation>
    </message>
    <message>
        <source>Predator</source>
        <translation>Depredador</translation>
    </message>
    <message>
        <source>Pregnancy</source>
        <translation>Embarazo</translation>
    </message>
    <message>
        <source>Prey</source>
        <translation>Presa</translation>
    </message>
    <message>
        <source>Rape</source>
        <translation>Violación (rol)</translation>
    </message>
    <message>
        <source>Rimming</source>
        <translation>Beso negro</translation>
    </message>
    <message>
        <source>Role Play</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Romantic</source>
        <translation>Romántico</translation>
    </message>
    <message>
        <source>Sadist</source>
        <translation>Sádico</translation>
    </message>
    <message>
        <source>Scat</source>
        <translation>Scat</translation>
    </message>
    <message>
        <source>Short Body</source>
        <translation>Bajito</translation>
    </message>
    <message>
        <source>Small Body</source>
        <translation>Menudo</translation>
    </message>
    <message>
        <source>Snuff</source>
        <translation>Snuff</translation>
    </message>
    <message>
        <source>Spanking</source>
        <translation>Azotes</translation>
    </message>
    <message>
        <source>Squishing</source>
        <translation>Aplastar</translation>
    </message>
    <message>
        <source>Squirting</source>
        <translation>Squirting</translation>
    </message>
    <message>
        <source>Submissive</source>
        <translation>Sumiso</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>Tall Body</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Tattoing</source>
        <translation>Tatuajes</translation>
    </message>
    <message>
        <source>Teasing</source>
        <translation>Provocar</translation>
    </message>
    <message>
        <source>Tickling</source>
        <translation>Cosquillas</translation>
    </message>
    <message>
        <source>Toys</source>
        <translation>Juguetes</translation>
    </message>
    <message>
        <source>Tentacles</source>
        <translation>Tentáculos</translation>
    </message>
    <message>
        <source>Transforming</source>
        <translation>Transformarse</translation>
    </message>
    <message>
        <source>Uninterested</source>
        <translation>Sin interés</translation>
    </message>
    <message>
        <source>Vampirism</source>
        <translation>Vampirismo</translation>
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
        <translation>Lluvia dorada</translation>
    </message>
</context>
<context>
    <name>ListQuestions</name>
    <message>
        <source>Species family</source>
        <translation>Familia</translation>
    </message>
    <message>
        <source>Species</source>
        <translation>Especie</translation>
    </message>
    <message>
        <source>Gender</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Guys</source>
        <translation>Chicos</translation>
    </message>
    <message>
        <source>Girls</source>
        <translation>Chicas</translation>
    </message>
    <message>
        <source>Work</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Trained field</source>
        <translation>Campo de formación</translation>
    </message>
    <message>
        <source>Role play</source>
        <translation>Rol</translation>
    </message>
    <message>
        <source>Real life</source>
        <translation>Vida real</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>YES YES YES :D</source>
        <translation>¡SÍ SÍ SÍ! :D</translation>
    </message>
    <message>
        <source>Meh...</source>
        <translation>Meh...</translation>
    </message>
    <message>
        <source>NOOOOO!</source>
        <translation>¡NOOOO!</translation>
    </message>
    <message>
        <source>Unspecify</source>
        <translation>En blanco</translation>
    </message>
    <message>
        <source>Role Play Kink:</source>
        <translation>En el rol:</translation>
    </message>
    <message>
        <source>Real Life Kink:</source>
        <translation>En la vida real:</translation>
    </message>
    <message>
        <source>Do you like to %1?</source>
        <translation>¿Te gusta %1?</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Nivel de %1</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>&lt;My Custom Animal&gt;</source>
        <translation>&lt;Mi animal propio&gt;</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>¡Error!</translation>
    </message>
    <message>
        <source>Category groups</source>
        <translation>Grupos de categorías</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Code line</source>
        <translation>Línea de código</translation>
    </message>
    <message>
        <source>Exact age</source>
        <translation>Edad exacta</translation>
    </message>
    <message>
        <source>Custom species name</source>
        <translation>Nombre de especie propio</translation>
    </message>
    <message>
        <source>Specify my sexual preference:
Guys | Girls</source>
        <translation>Indicar mi preferencia:
Chicos | Chicas</translation>
    </message>
    <message>
        <source>Specify Actual Age</source>
        <translation>Edad exacta</translation>
    </message>
    <message>
        <source>I am trained in this field</source>
        <translation>Tengo formación en esto</translation>
    </message>
    <message>
        <source>Include my kinks</source>
        <translation>Incluir mis kinks</translation>
    </message>
    <message>
        <source>I made my own suit
(Only applies to lvl %1+)</source>
        <translation>Me hice el traje
(Solo nivel %1+)</translation>
    </message>
    <message>
        <source>Is the site a furry site?
(Only applies to lvl %1)</source>
        <translation>¿Es un sitio furry?
(Solo nivel %1)</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message>
        <source>does not begin with 2.0F</source>
        <translation>no empieza por 2.0F</translation>
    </message>
    <message>
        <source>unknown family code &apos;%1&apos;</source>
        <translation>código de familia desconocido «%1»</translation>
    </message>
    <message>
        <source>unknown family code (byte 0x%1)</source>
        <translation>código de familia desconocido (byte 0x%1)</translation>
    </message>
</context>
<context>
    <name>Repairs</name>
    <message>
        <source>byte %1</source>
        <translation>byte %1</translation>
    </message>
    <message>
        <source>byte %1, %2</source>
        <translation>byte %1, %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; read</source>
        <translation>«%1» leído</translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as &quot;%2&quot;</source>
        <translation>«%1» reescrito como «%2»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; rewritten as nothing</source>
        <translation>«%1» se descarta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; overridden by a later token</source>
        <translation>«%1» reemplazado por un token posterior</translation>
    </message>
    <message>
        <source>&quot;%1&quot; skipped</source>
        <translation>«%1» omitido</translation>
    </message>
</context>
<context>
    <name>Species</name>
    <message>
        <source>Antelope</source>
        <translation>Antílope</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>Búfalo</translation>
    </message>
    <message>
        <source>Cattle</source>
        <translation>Vaca/Toro</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>Ciervo</translation>
    </message>
    <message>
        <source>Camel</source>
        <translation>Camello</translation>
    </message>
    <message>
        <source>Giraffe</source>
        <translation>Jirafa</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Cabra</translation>
    </message>
    <message>
        <source>Llama</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Moose</source>
        <translation>Alce</translation>
    </message>
    <message>
        <source>Gnu</source>
        <translation>Ñu</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Cerdo</translation>
    </message>
    <message>
        <source>Reindeer</source>
        <translation>Reno</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>Oveja</translation>
    </message>
    <message>
        <source>Warthog</source>
        <translation>Facóquero</translation>
    </message>
    <message>
        <source>Gazelle</source>
        <translation>Gacela</translation>
    </message>
    <message>
        <source>Albatross</source>
        <translation>Albatros</translation>
    </message>
    <message>
        <source>Duck</source>
        <translation>Pato</translation>
    </message>
    <message>
        <source>Eagle</source>
        <translation>Águila</translation>
    </message>
    <message>
        <source>Falcon</source>
        <translation>Halcón</translation>
    </message>
    <message>
        <source>Seagull</source>
        <translation>Gaviota</translation>
    </message>
    <message>
        <source>Hawk</source>
        <translation>Gavilán</translation>
    </message>
    <message>
        <source>Kiwi</source>
        <translation>Kiwi</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>Búho</translation>
    </message>
    <message>
        <source>Raven</source>
        <translation>Cuervo</translation>
    </message>
    <message>
        <source>Sparrow</source>
        <translation>Gorrión</translation>
    </message>
    <message>
        <source>Wren</source>
        <translation>Chochín</translation>
    </message>
    <message>
        <source>Arctic Fox</source>
        <translation>Zorro ártico</translation>
    </message>
    <message>
        <source>Coyote</source>
        <translation>Coyote</translation>
    </message>
    <message>
        <source>Dingo</source>
        <translation>Dingo</translation>
    </message>
    <message>
        <source>Fox</source>
        <translation>Zorro</translation>
    </message>
    <message>
        <source>Jackal</source>
        <translation>Chacal</translation>
    </message>
    <message>
        <source>Mutt</source>
        <translation>Chucho</translation>
    </message>
    <message>
        <source>Wolf</source>
        <translation>Lobo</translation>
    </message>
    <message>
        <source>Manned Wolf</source>
        <translation>Aguará guazú</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Común</translation>
    </message>
    <message>
        <source>Zeebra</source>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Flying Fox/Fruit Bat</source>
        <translation>Zorro volador</translation>
    </message>
    <message>
        <source>Vampire Bat</source>
        <translation>Murciélago vampiro</translation>
    </message>
    <message>
        <source>Dolphin</source>
        <translation>Delfín</translation>
    </message>
    <message>
        <source>Donkey</source>
        <translation>Burro</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Caballo</translation>
    </message>
    <message>
        <source>Zebra</source>
        <translation>Cebra</translation>
    </message>
    <message>
        <source>Anteater</source>
        <translation>Oso hormiguero</translation>
    </message>
    <message>
        <source>Armadillo</source>
        <translation>Armadillo</translation>
    </message>
    <message>
        <source>Sloth</source>
        <translation>Perezoso</translation>
    </message>
    <message>
        <source>Bobcat</source>
        <translation>Lince rojo</translation>
    </message>
    <message>
        <source>Clouded Leopard</source>
        <translation>Pantera nebulosa</translation>
    </message>
    <message>
        <source>Domesticated Cat</source>
        <translation>Gato doméstico</translation>
    </message>
    <message>
        <source>Cheetah</source>
        <translation>Guepardo</translation>
    </message>
    <message>
        <source>Jaguar</source>
        <translation>Jaguar</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>León</translation>
    </message>
    <message>
        <source>Puma/Cougar/Mtn Lion</source>
        <translation>Puma</translation>
    </message>
    <message>
        <source>Ocelot</source>
        <translation>Ocelote</translation>
    </message>
    <message>
        <source>Leopard/Panther</source>
        <translation>Leopardo/Pantera</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Tigre</translation>
    </message>
    <message>
        <source>ServalWild Cat</source>
        <translation>Serval/Gato montés</translation>
    </message>
    <message>
        <source>Lynx</source>
        <translation>Lince</translation>
    </message>
    <message>
        <source>Caracal</source>
        <translation>Caracal</translation>
    </message>
    <message>
        <source>Snow Leopard</source>
        <translation>Leopardo de las nieves</translation>
    </message>
    <message>
        <source>Meerkat</source>
        <translation>Suricata</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>Mangosta</translation>
    </message>
    <message>
        <source>Hyena</source>
        <translation>Hiena</translation>
    </message>
    <message>
        <source>Hedgehog</source>
        <translation>Erizo</translation>
    </message>
    <message>
        <source>Mole</source>
        <translation>Topo</translation>
    </message>
    <message>
        <source>Hare</source>
        <translation>Liebre</translation>
    </message>
    <message>
        <source>Jack Rabbit</source>
        <translation>Liebre americana</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Conejo</translation>
    </message>
    <message>
        <source>Sable</source>
        <translation>Marta cebellina</translation>
    </message>
    <message>
        <source>Badger</source>
        <translation>Tejón</translation>
    </message>
    <message>
        <source>Ermine/Stoat</source>
        <translation>Armiño</translation>
    </message>
    <message>
        <source>Ferret</source>
        <translation>Hurón</translation>
    </message>
    <message>
        <source>Mink</source>
        <translation>Visón</translation>
    </message>
    <message>
        <source>Marten</source>
        <translation>Marta</translation>
    </message>
    <message>
        <source>Otter</source>
        <translation>Nutria</translation>
    </message>
    <message>
        <source>Polecat</source>
        <translation>Turón</translation>
    </message>
    <message>
        <source>Ratel/Honey Badger</source>
        <translation>Tejón de la miel</translation>
    </message>
    <message>
        <source>Skunk</source>
        <translation>Mofeta</translation>
    </message>
    <message>
        <source>Wolverine</source>
        <translation>Glotón</translation>
    </message>
    <message>
        <source>Weasel</source>
        <translation>Comadreja</translation>
    </message>
    <message>
        <source>Wombat</source>
        <translation>Wómbat</translation>
    </message>
    <message>
        <source>Kangaroo</source>
        <translation>Canguro</translation>
    </message>
    <message>
        <source>Koala</source>
        <translation>Koala</translation>
    </message>
    <message>
        <source>Possum</source>
        <translation>Zarigüeya</translation>
    </message>
    <message>
        <source>Tasmanian Devil</source>
        <translation>Demonio de Tasmania</translation>
    </message>
    <message>
        <source>Wallaby</source>
        <translation>Ualabí</translation>
    </message>
    <message>
        <source>Platypus</source>
        <translation>Ornitorrinco</translation>
    </message>
    <message>
        <source>Raccoon</source>
        <translation>Mapache</translation>
    </message>
    <message>
        <source>Sealion</source>
        <translation>León marino</translation>
    </message>
    <message>
        <source>Seal</source>
        <translation>Foca</translation>
    </message>
    <message>
        <source>Walrus</source>
        <translation>Morsa</translation>
    </message>
    <message>
        <source>Lemur</source>
        <translation>Lémur</translation>
    </message>
    <message>
        <source>Ape</source>
        <translation>Simio</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Beaver</source>
        <translation>Castor</translation>
    </message>
    <message>
        <source>Grey Squirrel</source>
        <translation>Ardilla gris</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Porcupine</source>
        <translation>Puercoespín</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Rata</translation>
    </message>
    <message>
        <source>Red Squirrel</source>
        <translation>Ardilla roja</translation>
    </message>
    <message>
        <source>Muskrat</source>
        <translation>Rata almizclera</translation>
    </message>
    <message>
        <source>Alligator/Crocodile</source>
        <translation>Caimán/Cocodrilo</translation>
    </message>
    <message>
        <source>Coelurosaur (Velociraptor, etc)</source>
        <translation>Celurosaurio (Raptor, etc.)</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Dragón</translation>
    </message>
    <message>
        <source>Carnosaur (Tyrannosaurus, etc)</source>
        <translation>Carnosaurio (T-Rex, etc.)</translation>
    </message>
    <message>
        <source>Lizard</source>
        <translation>Lagarto</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Tortoise/Turtle</source>
        <translation>Tortuga</translation>
    </message>
    <message>
        <source>Bear (Polar)</source>
        <translation>Oso polar</translation>
    </message>
    <message>
        <source>Bear (Black)</source>
        <translation>Oso negro</translation>
    </message>
    <message>
        <source>Bear (Grizzly/Brown/Kodiak)</source>
        <translation>Oso pardo (Grizzly/Kodiak)</translation>
    </message>
    <message>
        <source>Panda</source>
        <translation>Panda</translation>
    </message>
    <message>
        <source>Civet</source>
        <translation>Civeta</translation>
    </message>
    <message>
        <source>Gargoyle</source>
        <translation>Gárgola</translation>
    </message>
    <message>
        <source>Manticore</source>
        <translation>Mantícora</translation>
    </message>
    <message>
        <source>Gryphon</source>
        <translation>Grifo</translation>
    </message>
    <message>
        <source>Hippogriff</source>
        <translation>Hipogrifo</translation>
    </message>
    <message>
        <source>Mermaid/Merman</source>
        <translation>Sirena/Tritón</translation>
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
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Furryness</source>
        <translation>Lo furry</translation>
    </message>
    <message>
        <source>Humanness</source>
        <translation>Lo humano</translation>
    </message>
    <message>
        <source>Yiffyness</source>
        <translation>Lo yiffy</translation>
    </message>
</context>
<context>
    <name>Traits</name>
    <message>
        <source>Cyborg</source>
        <translation>Cíborg</translation>
    </message>
    <message>
        <source>Toon</source>
        <translation>Toon</translation>
    </message>
    <message>
        <source>Werehuman</source>
        <translation>Werehumano</translation>
    </message>
    <message>
        <source>Magical</source>
        <translation>Mágico</translation>
    </message>
    <message>
        <source>Polymorph</source>
        <translation>Polimorfo</translation>
    </message>
    <message>
        <source>Psychic</source>
        <translation>Psíquico</translation>
    </message>
    <message>
        <source>Taur</source>
        <translation>Taur</translation>
    </message>
    <message>
        <source>Unicorn</source>
        <translation>Unicornio</translation>
    </message>
    <message>
        <source>Vampire</source>
        <translation>Vampiro</translation>
    </message>
    <message>
        <source>Winged</source>
        <translation>Alado</translation>
    </message>
    <message>
        <source>Alter Ego</source>
        <translation>Alter ego</translation>
    </message>
    <message>
        <source>Costume Character</source>
        <translation>Personaje de disfraz</translation>
    </message>
    <message>
        <source>Picture Character</source>
        <translation>Personaje de dibujo</translation>
    </message>
    <message>
        <source>Imaginary Friend</source>
        <translation>Amigo imaginario</translation>
    </message>
    <message>
        <source>RP Character</source>
        <translation>Personaje de rol</translation>
    </message>
    <message>
        <source>Guardian Character</source>
        <translation>Espíritu guardián</translation>
    </message>
    <message>
        <source>Story Character</source>
        <translation>Personaje de historia</translation>
    </message>
</context>
<context>
    <name>Work</name>
    <message>
        <source>Unspecify</source>
        <translation>Sin especificar</translation>
    </message>
    <message>
        <source>Arts</source>
        <translation>Artes</translation>
    </message>
    <message>
        <source>Business/Management</source>
        <translation>Negocios/Gestión</translation>
    </message>
    <message>
        <source>Crafts</source>
        <translation>Artesanía</translation>
    </message>
    <message>
        <source>Construction</source>
        <translation>Construcción</translation>
    </message>
    <message>
        <source>Technology</source>
        <translation>Tecnología</translation>
    </message>
    <message>
        <source>Generic Engineer</source>
        <translation>Ingeniería</translation>
    </message>
    <message>
        <source>Eduction</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>Farming</source>
        <translation>Agricultura</translation>
    </message>
    <message>
        <source>Banking/Finance</source>
        <translation>Banca/Finanzas</translation>
    </message>
    <message>
        <source>Government/Public Service</source>
        <translation>Gobierno/Serv. público</translation>
    </message>
    <message>
        <source>Law</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Writing/Literature</source>
        <translation>Escritura/Literatura</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Armed Forces</source>
        <translation>Fuerzas armadas</translation>
    </message>
    <message>
        <source>Media/Communication</source>
        <translation>Medios/Comunicación</translation>
    </message>
    <message>
        <source>Human Medicine</source>
        <translation>Medicina</translation>
    </message>
    <message>
        <source>Retail</source>
        <translation>Comercio</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <source>Theatre</source>
        <translation>Teatro</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Vetinary</source>
        <translation>Veterinaria</translation>
    </message>
    <message>
        <source>Furry Relations</source>
        <translation>Relaciones furry</translation>
    </message>
    <message>
        <source>All Around</source>
        <translation>Un poco de todo</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Looking for work</source>
        <translation>Buscando trabajo</translation>
    </message>
    <message>
        <source>Not working</source>
        <translation>Sin trabajo</translation>
    </message>
</context>
<context>
    <name>brindlex::ABOUTFORM</name>
    <message>
        <source>About Brindlex</source>
        <translation>Acerca de Brindlex</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This program was created for people to define their furry involvement and life stylings.  The old code was wayyyyy outdated and needed to be updated to fit the needs of today&apos;s current furry culture.</source>
        <translation>Este programa se creó para que cada cual defina lo furry que es y su estilo de vida. El código antiguo estaba taaaan desfasado que había que ponerlo al día con la cultura furry de hoy.</translation>
    </message>
    <message>
        <source>VERSION: %1</source>
        <translation>VERSIÓN: %1</translation>
    </message>
    <message>
        <source>Designed by the Brindlex developers</source>
        <translation>Diseñado por los desarrolladores de Brindlex</translation>
    </message>
</context>
<context>
    <name>brindlex::ANSWERSTORE</name>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>process %1 on this computer</source>
        <translation>proceso %1 en este ordenador</translation>
    </message>
    <message>
        <source>process %1 on the computer %2</source>
        <translation>proceso %1 en el ordenador %2</translation>
    </message>
    <message>
        <source>Brindlex could not read your answers from the last time in %1: %2.

The file is left as it is, and Brindlex does not write over it while it runs now, so the answers you give now are not kept for the next time. Close Brindlex and start it again once the file can be read; to keep new answers meanwhile, save your code line with &quot;%3&quot;.</source>
        <translation>Brindlex no ha podido leer tus respuestas de la última vez en %1: %2.

El archivo se queda como está y Brindlex no lo sobrescribe mientras siga abierto, así que las respuestas que des ahora no se guardan para la próxima vez. Cierra Brindlex y vuelve a abrirlo cuando el archivo se pueda leer; para no perder mientras tanto las respuestas nuevas, guarda tu línea de código con «%3».</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>the file ends in the middle</source>
        <translation>el archivo se corta a la mitad</translation>
    </message>
    <message>
        <source>it is not an answers file</source>
        <translation>no es un archivo de respuestas</translation>
    </message>
    <message>
        <source>Your answers from the last time in %1 cannot be read back: %2.

Brindlex could not move the file aside, so it leaves the file as it is and starts with empty answers, which are not kept for the next time.</source>
        <translation>Tus respuestas de la última vez en %1 no se pueden leer: %2.

Brindlex no ha podido apartar el archivo, así que lo deja como está y empieza sin respuestas, que no se guardan para la próxima vez.</translation>
    </message>
    <message>
        <source>Your answers from the last time in %1 cannot be read back: %2.

Brindlex has moved the file to %3, so that nothing in it is lost, and starts with empty answers.</source>
        <translation>Tus respuestas de la última vez en %1 no se pueden leer: %2.

Brindlex ha movido el archivo a %3 para que no se pierda nada de él, y empieza sin respuestas.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is %2, which no answer has</source>
        <translation>«%1» vale %2, y esa respuesta no existe</translation>
    </message>
    <message>
        <source>Some of your answers from the last time in %1 could not be taken: %2.

Your other answers are all there.</source>
        <translation>Algunas de tus respuestas de la última vez en %1 no se han podido cargar: %2.

Todas tus demás respuestas están ahí.</translation>
    </message>
    <message>
        <source>A copy of the file as it was could not be kept, so the answers that could not be taken are gone once you change an answer.</source>
        <translation>No se ha podido guardar una copia del archivo tal como estaba, así que las respuestas que no se han podido cargar se perderán en cuanto cambies una respuesta.</translation>
    </message>
    <message>
        <source>A copy of the file as it was is kept as %1.</source>
        <translation>Hay una copia del archivo tal como estaba en %1.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made or written</source>
        <translation>no se puede crear la carpeta %1 ni escribir en ella</translation>
    </message>
    <message>
        <source>Your answers could not be kept for the next time in %1: %2.

Brindlex goes on working; save your code line with &quot;%3&quot; to keep it.</source>
        <translation>No se han podido guardar tus respuestas para la próxima vez en %1: %2.

Brindlex sigue funcionando; guarda tu línea de código con «%3» para no perderla.</translation>
    </message>
</context>
<context>
    <name>brindlex::APPLICATION</name>
    <message>
        <source>Brindlex is already running for you (%1), but it does not answer, so it cannot be brought to the front.

This start ends, so that only one Brindlex keeps your answers in %2. If Brindlex does not run any more, delete %3 and start it again.</source>
        <translation>Brindlex ya se está ejecutando para ti (%1), pero no responde, así que no se puede traer al frente.

Este inicio termina aquí, para que solo un Brindlex guarde tus respuestas en %2. Si Brindlex ya no se está ejecutando, borra %3 y vuelve a abrirlo.</translation>
    </message>
</context>
<context>
    <name>brindlex::FileWords</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>ya no está ahí</translation>
    </message>
    <message>
        <source>you are not allowed to read it</source>
        <translation>no tienes permiso para leerlo</translation>
    </message>
    <message>
        <source>the disk or the network failed while it was being read</source>
        <translation>el disco o la red han fallado al leerlo</translation>
    </message>
    <message>
        <source>it could not be opened</source>
        <translation>no se ha podido abrir</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 es un archivo, no una carpeta</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ya hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>the disk is full, or it failed while the file was being written</source>
        <translation>el disco está lleno o ha fallado al escribir el archivo</translation>
    </message>
    <message>
        <source>the new file could not take the place of the old one</source>
        <translation>el archivo nuevo no ha podido sustituir al antiguo</translation>
    </message>
    <message>
        <source>it could not be opened for writing</source>
        <translation>no se ha podido abrir para escribir</translation>
    </message>
    <message>
        <source>you are not allowed to write into the folder %1</source>
        <translation>no tienes permiso para escribir en la carpeta %1</translation>
    </message>
</context>
<context>
    <name>brindlex::MAINFORM</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Paste Code Line</source>
        <translation>Pegar línea de código</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>Code line message</source>
        <translation>Aviso sobre la línea de código</translation>
    </message>
    <message>
        <source>An empty line is no code line, so your answers are unchanged.</source>
        <translation>Una línea vacía no es una línea de código, así que tus respuestas no cambian.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not read (%2), so your answers are unchanged.</source>
        <translation>«%1» no se ha leído (%2); tus respuestas no cambian.</translation>
    </message>
</context>
<context>
    <name>brindlex::MenuCommands</name>
    <message>
        <source>Save as Txt File</source>
        <translation>&amp;Guardar como archivo de texto</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Open Txt File...</source>
        <translation>&amp;Abrir archivo de texto...</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Empe&amp;zar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Application</source>
        <translation>A&amp;plicación</translation>
    </message>
    <message>
        <source>Read a Code Line...</source>
        <translation>&amp;Leer una línea de código...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>Check For Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>I am old enough to view adult material</source>
        <translation>Tengo edad para ver contenido &amp;adulto</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>D&amp;onar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Text Files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Open Txt File</source>
        <translation>Abrir archivo de texto</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Copy Code Line</source>
        <translation>&amp;Copiar línea de código</translation>
    </message>
    <message>
        <source>The code line could not be saved to %1: %2.

Nothing was written there; choose another folder or file name.</source>
        <translation>No se ha podido guardar la línea de código en %1: %2.

No se ha escrito nada ahí; elige otra carpeta u otro nombre de archivo.</translation>
    </message>
    <message>
        <source>Brindlex code line.txt</source>
        <translation>Brindlex línea de código.txt</translation>
    </message>
    <message>
        <source>Brindlex could not read %1: %2.

Your answers are unchanged.</source>
        <translation>Brindlex no ha podido leer %1: %2.

Tus respuestas no han cambiado.</translation>
    </message>
    <message>
        <source>The first line of %1 is empty, so there is no code line to read.

Your answers are unchanged.</source>
        <translation>La primera línea de %1 está vacía, así que no hay ninguna línea de código que leer.

Tus respuestas no han cambiado.</translation>
    </message>
    <message>
        <source>The first line of %1 is no code line that Brindlex can read (%2).

Your answers are unchanged.</source>
        <translation>La primera línea de %1 no es una línea de código que Brindlex sepa leer (%2).

Tus respuestas no han cambiado.</translation>
    </message>
    <message>
        <source>Clear every answer and start over with an empty questionnaire?

Edit &gt; Undo Start Over brings your answers back.</source>
        <translation>¿Borrar todas las respuestas y empezar de nuevo con el cuestionario vacío?

Editar &gt; Deshacer Empezar de nuevo recupera tus respuestas.</translation>
    </message>
</context>
<context>
    <name>brindlex::ReadCodeLineWindow</name>
    <message>
        <source>Read a Code Line</source>
        <translation>Leer una línea de código</translation>
    </message>
    <message>
        <source>Pasted text</source>
        <translation>Texto pegado</translation>
    </message>
    <message>
        <source>Paste a code line beginning with 2.0F, or a whole post that holds some.</source>
        <translation>Pega una línea de código que empiece por 2.0F, o un mensaje entero que contenga alguna.</translation>
    </message>
    <message>
        <source>Code lines found</source>
        <translation>Líneas de código encontradas</translation>
    </message>
    <message>
        <source>Show only &amp;differences</source>
        <translation>Mostrar solo &amp;diferencias</translation>
    </message>
    <message>
        <source>Show only differences</source>
        <translation>Mostrar solo diferencias</translation>
    </message>
    <message>
        <source>Answers of the selected line beside yours</source>
        <translation>Respuestas de la línea elegida junto a las tuyas</translation>
    </message>
    <message>
        <source>Repairs of the selected line</source>
        <translation>Reparaciones de la línea elegida</translation>
    </message>
    <message>
        <source>&amp;Use These Answers</source>
        <translation>&amp;Usar estas respuestas</translation>
    </message>
    <message>
        <source>Use These Answers</source>
        <translation>Usar estas respuestas</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Paste a code line or a whole post:</source>
        <translation>&amp;Pega una línea de código o un mensaje entero:</translation>
    </message>
    <message>
        <source>Code &amp;lines found:</source>
        <translation>&amp;Líneas de código encontradas:</translation>
    </message>
    <message>
        <source>&amp;Answers:</source>
        <translation>&amp;Respuestas:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>&amp;Repairs:</source>
        <translation>Re&amp;paraciones:</translation>
    </message>
    <message>
        <source>&amp;Repairs: none, the line reads as it is written</source>
        <translation>Re&amp;paraciones: ninguna, la línea se lee tal cual</translation>
    </message>
    <message>
        <source>&amp;Repairs: %1</source>
        <translation>Re&amp;paraciones: %1</translation>
    </message>
    <message>
        <source>No code line found: a code line begins with &quot;2.0F&quot; and a family code.</source>
        <translation>No se ha encontrado ninguna línea de código: una línea de código empieza por «2.0F» y un código de familia.</translation>
    </message>
    <message>
        <source>%1 answer differs from yours, %2 the same.</source>
        <translation>%1 respuesta es distinta de las tuyas, %2 iguales.</translation>
    </message>
    <message>
        <source>%1 answers differ from yours, %2 the same.</source>
        <translation>%1 respuestas son distintas de las tuyas, %2 iguales.</translation>
    </message>
    <message>
        <source>Replace all your answers with the answers of the code line on line %1?</source>
        <translation>¿Sustituir todas tus respuestas por las de la línea de código de la línea %1?</translation>
    </message>
</context>
<context>
    <name>brindlex::ReaderAnswerModel</name>
    <message>
        <source>differs</source>
        <translation>distinta</translation>
    </message>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>%1, differs</source>
        <translation>%1, distinta</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Their answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Differs from your answer</source>
        <translation>Distinta de tu respuesta</translation>
    </message>
</context>
</TS>
