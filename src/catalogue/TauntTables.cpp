// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/TauntTable.h"

#include "catalogue/VoicePackCatalogue.h"

#include <QStringView>

#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace parlomatic {

namespace {

using Labels = std::vector<QStringView>;

// The reports (type 4, indexes 0 to 16) that most Unreal Tournament voices share
// word for word; Male Nr2 and the bonus-pack voices add "Medic! " as index 17.
Labels utReports() {
    return {u"Base is uncovered!",
            u"Somebody get our flag Back!",
            u"I've got the flag",
            u"I've Got your back",
            u"I'm hit!",
            u"Man down!",
            u"I'm under heavy attack!",
            u"You got point",
            u"I've got our flag",
            u"I'm in position",
            u"Hang in there",
            u"Control point is secure",
            u"Enemy flag carrier is here",
            u"I need some backup",
            u"Incoming!",
            u"I've got your back",
            u"Objective destroyed"};
}

Labels utReportsWithMedic() {
    Labels labels = utReports();
    labels.push_back(u"Medic! ");
    return labels;
}

// The orders (type 2, indexes 0 to 4) that the bonus-pack voices share.
Labels bonusPackOrders() {
    return {u"Defend the base", u"Hold this position", u"Assault the base", u"Cover me",
            u"Engage according to parameter"};
}

// Builds a table from runs: consecutive slots of one speech type whose speech
// indexes rise by one from slot to slot, written as the slot range, the type,
// the first index and the labels in slot order.
class TableBuilder {
public:
    TableBuilder& run(int firstSlot, int lastSlot, qint16 type, qint16 firstIndex, const Labels& labels) {
        Q_ASSERT(firstSlot == static_cast<int>(m_table.entries.size()));
        Q_ASSERT(lastSlot - firstSlot + 1 == static_cast<int>(labels.size()));
        qint16 index = firstIndex;
        for (QStringView label : labels)
            m_table.entries.push_back(TauntEntry{label.toString(), type, index++});
        return *this;
    }

    // A slot the table keeps but never shows: empty label, type 9, index 9.
    TableBuilder& placeholder(int slot) { return run(slot, slot, 9, 9, {u""}); }

    TauntTable take() { return std::move(m_table); }

private:
    TauntTable m_table;
};

// Kelvanor Male's labels carry trailing blanks up to a fixed width. The blanks
// belong to the label: a taunt is found again by comparing labels exactly, so
// "got him" padded to 24 and "got him" padded to 23 are two different taunts.
int kelvanorLabelWidth(int slot) {
    if (slot == 10)
        return 11;
    if ((slot >= 22 && slot <= 27) || slot >= 38)
        return 23;
    return 24;
}

TauntTable kelvanorMale() {
    TauntTable table =
        TableBuilder()
            .run(0, 3, 0, 0, {u"Affirmative", u"Orders received", u"yes sir", u"en route"})
            .run(4, 5, 1, 0, {u"check your targets", u"friendly fire"})
            .run(6, 10, 2, 0, {u"Dig in", u"secure this area", u"Lock and load", u"cover me", u"Fall out"})
            .run(11, 11, 2, 11, {u"Patrol the perimeter"})
            .run(12, 26, 3, 0,
                 {u"die you enemy scum", u"enemy down", u"He wont be get up", u"You are going down", u"got him",
                  u"thats a kill", u"Not in my country", u"target neutralized", u"Whooya", u"Yesss",
                  u"die you enemy scum", u"enemy down", u"he wont be getting up", u"youre going down", u"got him"})
            .run(27, 27, 3, 16, {u"not in my country"})
            .run(28, 44, 4, 0,
                 {u"the base is not secure", u"get that flag back", u"I have the item", u"got your back",
                  u"taking fire", u"man down", u"under attack", u"you got point", u"returning flag",
                  u"Teamleader in position", u"go go go", u"area secure", u"engaging enemy here", u"getting hammered",
                  u"incoming", u"got you covered", u"mission completed"})
            .run(45, 45, 2, 10, {u"Capture Objective"})
            .take();
    for (std::size_t slot = 0; slot < table.entries.size(); ++slot) {
        QString& label = table.entries[slot].label;
        label = label.leftJustified(kelvanorLabelWidth(static_cast<int>(slot)), QLatin1Char(' '));
    }
    return table;
}

TauntTable maleOne() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"Hey!  Same team!", u"On your team"})
        .run(5, 9, 2, 0,
             {u"Defend", u"Hold this position", u"Assault the base", u"Cover me", u"engage according to parameters"})
        .run(10, 26, 4, 0,
             {u"Base is uncovered!", u"Somebody get our flag Back!", u"I've got the flag", u"I've Got your back",
              u"I'm hit!", u"Man down!", u"I'm under heavy attack!", u"You got point", u"I've got the flag",
              u"I'm in position", u"On my way", u"Control point is secure", u"Enemy flag carrier is here",
              u"I need some backup", u"Take them down", u"I've got your covered", u"Objective destroyed"})
        .placeholder(27)
        .run(28, 28, 0, 3, {u"I'm on it"})
        .run(29, 44, 3, 0,
             {u"Eat that!", u"You like that?", u"Yeah, bitch!", u"Boom!", u"Burn, baby", u"Lets rock!", u"Die, bitch",
              u"Loser", u"Nailed 'em", u"That was nasty", u"Nice!", u"Oh, yeah!", u"I Slaughtered That Guy", u"Sucker!",
              u"Yeehaw!", u"You suck!"})
        .run(45, 46, 2, 10, {u"Take their flag", u"Search and destroy"})
        .take();
}

TauntTable maleTwo() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"Same team!", u"On your team"})
        .run(5, 9, 2, 0,
             {u"Defend the base", u"Hold this position", u"Assault the base", u"Cover me",
              u"Engage according to parameters"})
        .run(10, 27, 4, 0, utReportsWithMedic())
        .run(28, 52, 3, 0,
             {u"Eat that!",
              u"You liked that?",
              u"Sucker",
              u"Boom!",
              u"Burn Baby",
              u"You suck",
              u"Die Bitch",
              u"Loser",
              u"Yehaaw",
              u"Oh Yeah",
              u"That had to hurt",
              u"Dirt bag",
              u"My house!",
              u"Bite me",
              u"I am on fire",
              u"Useless!",
              u"Ha Ha Ha",
              u"You be dead",
              u"Next!",
              u"Medic!",
              u"See ya!",
              u"Target eliminated",
              u"Anyone else want some ?",
              u"Got him",
              u"And stay down"})
        .run(53, 54, 2, 10, {u"Take their flag", u"Search and destroy"})
        .take();
}

TauntTable femaleOne() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"Same team!", u"On your team"})
        .run(5, 9, 2, 0,
             {u"Defend the base", u"Hold this position", u"assault the base", u"Cover me", u"Engage to parameter"})
        .run(10, 26, 4, 0, utReports())
        .placeholder(27)
        .placeholder(28)
        .run(29, 50, 3, 0,
             {u"Eat that!",
              u"Sucker!",
              u"Got him!",
              u"Had to hurt!",
              u"Anyone else?",
              u"Boom!",
              u"Burn, baby!",
              u"Die, bitch",
              u"You suck!",
              u"You like that?",
              u"Yeehaw!",
              u"Loser!",
              u"Oh Year",
              u"Tag, you're it!",
              u"Sit down!",
              u"Slaughtered that guy",
              u"I'm sorry did i blow your head",
              u"Squeal boy, squeal!",
              u"And stay down",
              u"Sucker!",
              u"Toasted!Lets rock!",
              u"Lets rock!"})
        .run(51, 52, 2, 10, {u"Take their flag", u"Search and destroy"})
        .take();
}

TauntTable femaleTwo() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"Hey!  Same team!", u"On your team"})
        .run(5, 9, 2, 0, {u"Defend", u"Hold this position", u"Attack", u"Cover me", u"Engage according to parameter"})
        .run(10, 26, 4, 0, utReports())
        .placeholder(27)
        .run(28, 54, 3, 0,
             {u"Eat that!",
              u"Sucker!",
              u"Got him!",
              u"That had to hurt!",
              u"Try a bigger gun",
              u"Boom!",
              u"Burn, baby!",
              u"Die, bitch",
              u"Too easy",
              u"You like that?",
              u"You suck!",
              u"Loser!",
              u"Oh yeah!",
              u"Turn the safety off",
              u"Yeehaw",
              u"Sweet!",
              u"Anyone else?",
              u"Sucker!",
              u"And stay down!",
              u"Learn how to aim!",
              u"Die!",
              u"Dirt bag!",
              u"Next!",
              u"See ya!",
              u"My house!",
              u"Target eliminated",
              u"Useless!"})
        .run(55, 56, 2, 10, {u"Take their flag", u"Search and destroy"})
        .take();
}

TauntTable boss() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"I am on your team!", u"Same team"})
        .run(5, 9, 2, 0,
             {u"Defend", u"Hold this position", u"Assault the base", u"Cover me", u"Engage according to parameters"})
        .run(10, 26, 4, 0,
             {u"Base is uncovered!", u"Get our flag Back!", u"I've got the flag", u"I've Got your back", u"I'm hit!",
              u"Man down!", u"I'm under heavy attack!", u"You got point", u"I've got our flag", u"I'm in position",
              u"Hang in there", u"Control point is secure", u"Enemy flag carrier is here", u"I need some backup",
              u"Incoming!", u"I've got your back", u"Objective destroyed"})
        .placeholder(27)
        .placeholder(28)
        .run(29, 48, 3, 0,
             {u"Bow Down",
              u"Die, human",
              u"Target lifeform eliminated",
              u"You die too easily",
              u"Useless",
              u"Fear me",
              u"You are inferior",
              u"You are obsolete",
              u"I am the alpha and the omega",
              u"Run, human",
              u"Step aside",
              u"I am superior",
              u"Witness my perfection",
              u"Boom!",
              u"My house",
              u"Next",
              u"Burn, baby",
              u"Anyone else want some",
              u"That had to hurt",
              u"I'm on fire"})
        .run(49, 50, 2, 10, {u"Take their flag", u"Search and destroy"})
        .take();
}

TauntTable skaarjHybrid() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Got it", u"Roger", u"On My Way"})
        .run(3, 4, 1, 0, {u"Same team!", u"On your team"})
        .run(5, 9, 2, 0, bonusPackOrders())
        .run(10, 27, 4, 0, utReportsWithMedic())
        .run(28, 52, 3, 0,
             {u"$#%#! (strange Sounds1)",
              u"%&$## (strange Sounds2)",
              u"*@#&$! (strange Sounds3)",
              u"Boom!",
              u"Burn Baby",
              u"You suck",
              u"Die, bitch",
              u"Loser!",
              u"Yeehaw",
              u"Oh yeah!",
              u"That had to hurt",
              u"Dirt bag!",
              u"My house!",
              u"Bite me!",
              u"I am on fire",
              u"Useless!",
              u"Ha Ha Ha!",
              u"You be dead",
              u"Next!",
              u"Medic!",
              u"See ya!",
              u"Target eliminated",
              u"Anyone else want some?",
              u"Got him!",
              u"And stay down!"})
        .take();
}

TauntTable nali() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Habouji!", u"Nouwandi!", u"Qupada!"})
        .run(3, 4, 1, 0, {u"Mouhaga!", u"Batai d va!"})
        .run(5, 9, 2, 0, bonusPackOrders())
        .run(10, 11, 2, 10, {u"Take their flag", u"Search and destroy"})
        .run(12, 29, 4, 0, utReportsWithMedic())
        .run(30, 35, 3, 0, {u"Bywonda!", u"Habouji!", u"Nouwandi!", u"Qupada!", u"Mouhaga!", u"Batai d va!"})
        .take();
}

TauntTable naliWarcow() {
    return TableBuilder()
        .run(0, 1, 0, 0, {u"Moomuo", u"Moo"})
        .run(2, 6, 2, 0, bonusPackOrders())
        .run(7, 8, 2, 10, {u"Take their flag", u"Search and destroy"})
        .run(9, 26, 4, 0, utReportsWithMedic())
        .take();
}

TauntTable nedFlanders() {
    return TableBuilder()
        .run(0, 4, 0, 0,
             {u"Okely dokily do", u"Roger doger", u"Thats a dilly of a pickle", u"This is flanders afaire",
              u"Oh indeedly doodly"})
        .run(5, 6, 1, 0, {u"Ohh! Thats a dilly", u"Ohh, dont you kids know anything"})
        .run(7, 11, 2, 0,
             {u"Welcome to our neighbourhood", u"This is flanders afair", u"Okely dokily do", u"Ah digidi",
              u"A headly hoh"})
        .run(12, 34, 3, 0,
             {u"Cant you morons do anything right",
              u"Came down ",
              u"Replace Teachers with cyborgs",
              u"I am the devil",
              u"Ohh! Thats a dilly",
              u"We are done for",
              u"i can see your doodle",
              u"what can i do for you ?",
              u"the tree said to lumberjack",
              u"Hideley hoo neiboureenos",
              u"Phone hangup",
              u"Did anyone pray for giant shoes?",
              u"Hiddly Hoo",
              u"Hi ho pagans",
              u"Buenos ding dong",
              u"you Americans with your Trails",
              u"Ah hell crap",
              u"in didely doodely",
              u"Ah digidi",
              u"you are the worst human",
              u"how do you do ?",
              u"Oh, whats with the lead pipe?",
              u"look at your septic tanks"})
        .run(35, 36, 3, 24, {u"Welcome to new home", u"you will be history"})
        .take();
}

TauntTable deadeye() {
    return TableBuilder()
        .run(0, 2, 0, 0, {u"Roger", u"Got it", u"I am on it"})
        .run(3, 4, 1, 0, {u"Same team!", u" i am on your fucking team"})
        .run(5, 9, 2, 0,
             {u"Defend the base", u"Hold this position", u"assault the base", u"Cover me",
              u"engage according to parameters"})
        .run(10, 14, 4, 0,
             {u"Base is uncovered!", u"Somebody get our flag Back!", u"I've got the flag", u"I've Got your ass",
              u"I'm hit!"})
        .run(15, 25, 4, 6,
             {u"I'm getting hammered!", u"You got point baby", u"I've got our flag", u"Readleader", u"On my way",
              u"Control point is secure", u"Enemy flag carrier is here", u"I need backup now", u"We got company",
              u"I've got you covered", u"Objective destroyed"})
        .run(26, 44, 3, 0,
             {u"Awww yeah!", u"Burn in hell", u"Gonna cry now?", u"Dead dead and dead", u"I see dead people",
              u"Fuck yeah", u"Hhahahaha", u"Your mother was a hamster", u"Leave the store", u"Did you need that?",
              u"Nice spleen asshole", u"Party is over", u"Say hi to satan for me", u"See you in hell", u"Shithead",
              u"You want some of this?", u"Ha! splat!", u"Suck it down", u"Suffer"})
        .take();
}

TauntTable marines() {
    return TableBuilder()
        .run(0, 4, 0, 0,
             {u"You got it ,Corporal", u"I will not fail you Sir", u"I will stay here and await orders",
              u"Ok,i will secure this area", u"I got your six!"})
        .run(5, 7, 1, 0, {u"Friendly fire FRIENDLY FIRE!", u"Watch your fire!", u"check your Zone"})
        .run(8, 12, 2, 0,
             {u"Fall Back!", u"Stand back Corporal", u"Lets go Marines", u"Covering Fire!", u"Alright!You scout ahead"})
        .run(13, 21, 4, 0,
             {u"All Clear Sir!", u"We need backup!", u"This mission is beyond fubar", u"Man,my dogs are barkin!",
              u"Flank em!", u"Lets kill this freaks!", u"I'm pretty busted up.Need Medic!",
              u"You could get lost in this place", u"Squad,quit down!"})
        .run(22, 22, 4, 10, {u"I ll tag em,you bag em"})
        .run(23, 39, 3, 0,
             {u"We re gonna kick your ass!", u"Get down!", u"You look just like i feel", u"Fire in the hole!",
              u"This keep you frosty Corporal!", u"Get some!", u"I'm a natural born killer!", u"Medic!!",
              u"Mister,you are going down!", u"You got nothing!", u"if Drill Instructor could see me!",
              u"Keeping you in pice is a challenge", u"One shot,one kill!", u"Sniper school paid off today",
              u"This might sting a bit", u"Thats that i am talking about", u"You want some of me ?"})
        .take();
}

TauntTable drBoss() {
    return TableBuilder()
        .run(0, 3, 0, 0, {u"Bestätige", u"Kein Problem", u"Ok!", u"So gut wie erledigt"})
        .run(4, 7, 1, 0,
             {u"Ziel auf den Feind!", u"Noch hast du mich nicht zum Feind!", u"Pass auf!", u"Pass doch auf!"})
        .run(8, 12, 2, 0,
             {u"Bleib bei unserer Basis", u"Stellung halten", u"Vernichtet den Feind", u"Ich benötige Unterstützung",
              u"Geht entsprechend den Parameteren vor"})
        .run(13, 14, 2, 10, {u"Holt die Flagge", u"Freie Jagt!"})
        .run(15, 35, 4, 0,
             {u"Unsere Basis ist unverteidigt!",
              u"Holt die Flagge!",
              u"Ich habe die Flagge!",
              u"Ich sichere dich",
              u"Ich bin getroffen!",
              u"Feind eleminiert!",
              u"Ich werde angegriffen!",
              u"ein punkt für dich",
              u"Ich habe unsere Flagge",
              u"Bin in Position",
              u"Lass mich nur machen",
              u"Kontrollpunkt ist gesichert",
              u"feindlicher Flaggenträger ist hier",
              u"Ich benötige Unterstützung",
              u"Feind gesichtet!",
              u"Ich sichere dich",
              u"Missionsziel zerstört(wild coughing)",
              u"Nein!",
              u"Das darf nicht - ohhhh..",
              u"Ich muss mich geschlagen geben",
              u"Ein fairer Kampf! "})
        .run(36, 60, 3, 0,
             {u"Fühle meinen Zorn!",
              u"Ich zertrete dich wie ein insekt!",
              u"Whahaha!",
              u"Unreal ist nichts für Weicheier!",
              u"Spiel doch Quake 3",
              u"Und wieder einen tot vom Brot",
              u"Schwächling!",
              u"Gibt es nur so schlechte bei euch?",
              u"Patsch!",
              u"Platsch!",
              u"Du kannst nicht gewinnen!",
              u"Lächerlich!",
              u"So schlecht spielen nur Nvidia Besitzer!",
              u"Boom!",
              u"Bete,das wir uns niemals wiedertreffen",
              u"Niemand kann mich aufhalten",
              u"Kaboom!",
              u"Das hat eingeschlagen!",
              u"Wie niedlich",
              u"Wie süss",
              u"Nicht schlecht für einen Anfänger",
              u"Hahaha!",
              u"Versuche es mit einer grösseren Waffe!",
              u"Flutsch!",
              u"Du spielst so erbärmlich!"})
        .take();
}

TauntTable dagget() {
    return TableBuilder()
        .run(0, 0, 0, 0, {u"Me?! I..you!!"})
        .run(1, 1, 1, 0, {u"Hey! Watch it, fuzzwad!"})
        .run(2, 14, 3, 0,
             {u"Duh!", u"New rule..get out ..all of you!", u"Die you stupid thing die!",
              u"Kneel before me or i will crush you!", u"Cluck cluck cluck-ing", u"I ve had enough!",
              u"I am talking about you,fuzzwad!", u"Move it,spootius", u"Numbooger!", u"That was nuts",
              u"*loogy sounds*", u"What have i done on purpose!", u"I am the silent wind of doom"})
        .take();
}

TauntTable commandoTwo() {
    return TableBuilder()
        .run(0, 1, 0, 0, {u"Command acknowledged", u"Yes"})
        .run(2, 3, 1, 0, {u"Watch where you shooting", u"That was brilliant! (not)"})
        .run(4, 8, 2, 0,
             {u"Defend our base", u"Hold this position", u"Attack the enemy", u"Cover me", u"Reenforce the offensive"})
        .run(9, 17, 4, 0,
             {u"Mayday Mayday", u"Need covering fire", u"I'm in position", u"I will cover you", u"kill me",
              u"Marines are not allowd to die", u"incoming hostiles!", u"command this offensive", u"Lets move"})
        .run(18, 28, 4, 10,
             {u"Area is secure", u"Taking fire over here", u"Sniper Sniper!", u"No", u"Come out and fight", u"Oops",
              u"Hello", u"Good bye", u"Good game", u"Lets go, lets go", u"What do you waiting for?"})
        .run(29, 48, 3, 0,
             {u"Anytime",
              u"Thank you",
              u"Nice move",
              u"Not your day?",
              u"He will never know that hit him",
              u"i am mean nasty and tiered",
              u"You die",
              u"I know your fear",
              u"We are ready to die",
              u"whuhu hu hu",
              u"I dont want do die",
              u"Come outside",
              u"Go ahead, make my day",
              u"I am a God",
              u"I feel much better now ",
              u"That makes me angry",
              u"You are a killer",
              u"Lets kill each other",
              u"I kick your butt",
              u"Marinesong"})
        .take();
}

} // namespace

const TauntTable& TauntTableFor(int voicepack) {
    // In catalogue order: the index of a table is the index of its voicepack.
    static constexpr std::array<TauntTable (*)(), voicePackCount> builders{
        kelvanorMale, maleOne,     maleTwo, femaleOne, femaleTwo, boss,   skaarjHybrid, nali,
        naliWarcow,   nedFlanders, deadeye, marines,   drBoss,    dagget, commandoTwo,
    };
    // A run needs one or two voicepacks' tables; each is built when first asked for.
    static std::array<std::once_flag, voicePackCount> built;
    static std::array<TauntTable, voicePackCount> tables;
    const auto index = static_cast<std::size_t>(voicepack);
    std::call_once(built.at(index), [index] { tables[index] = builders[index](); });
    return tables[index];
}

} // namespace parlomatic
