#include "LexiconGenerator.h"

#include "store/FieldFile.h"

#include <QDir>
#include <vector>

namespace benchgen {

namespace {

// splitmix64: fixed output for a fixed seed on every platform and library
// (the standard distributions are not pinned down that way).
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % std::uint64_t(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T>
    const T& pick(const std::vector<T>& v) { return v[size_t(below(int(v.size())))]; }

private:
    std::uint64_t s_;
};

using Words = std::vector<QString>;

Words words(const char* utf8, char16_t separator = u' ') {
    const QStringList list = QString::fromUtf8(utf8).split(separator, Qt::SkipEmptyParts);
    return Words(list.cbegin(), list.cend());
}

// German words for explanations and further information.
const Words& germanWords() {
    static const Words w = words(
        "Bauer Bürger Gemeinde Pfarrer Schöffe Tagelöhner Müller Hufe Gut Straße Fürst Grundherr "
        "Kirche Kirchspiel Taufe Trauung Begräbnis Eheschließung Witwe Witwer Vormund Pate Patin "
        "Hebamme Küster Lehrer Amtmann Vogt Schultheiß Gericht Erbe Erbschaft Abgabe Zehnt Zins "
        "Fron Dienst Hof Dorf Stadt Vorstadt Acker Wiese Weide Wald Mühle Schmiede Brauerei "
        "Handwerk Zunft Meister Geselle Lehrling Knecht Magd Gesinde Häusler Kätner Kossät "
        "Einlieger Bewohner Nachbar Sohn Tochter Vater Mutter Großvater Großmutter Enkel Schwäger "
        "Schwiegersohn Stiefkind Waise uneheliches Kind Gläubiger Schuldner Urkunde Register "
        "Verzeichnis Abschrift Vermerk Eintrag Randvermerk Jahrgang Kalender Fest Feiertag Woche "
        "Monat Jahr alt früher später genannt sogenannt verheiratet ledig verwitwet geschieden "
        "gestorben geboren getauft begraben gefallen ertrunken erschlagen unbekannt gemeinsam "
        "öffentlich kirchlich weltlich städtisch ländlich königlich herzoglich gräflich adlig "
        "Größe Maß Gewicht Fläche Länge Münze Groschen Pfennig Taler Gulden Kreuzer Scheffel "
        "Elle Rute Morgen Joch Fuß Zoll Stück Krankheit Fieber Husten Schwäche Geschwür Seuche "
        "Ausschlag Brust Lunge Magen Darm Kopf Herz Blut Wasser Schlag Krampf Geburt Wochenbett "
        "Säugling Greis Alter Jugend Übergang Änderung Äußerung Öffnung Überlieferung für über "
        "unter nach vor bei mit ohne aus von zum zur der die das ein eine und oder auch wie");
    return w;
}

const Words& sentenceOpeners() {
    static const Words w = words(
        "Siehe Vgl. Auch Meist Oft Selten Früher Später Ursprünglich Regional Vor allem Im "
        "Gegensatz Häufig Gelegentlich Besonders Nur Zumeist");
    return w;
}

const Words& sources() {
    static const Words w = words(
        "Ribb Grun Haber Wolf KBKat Dud LexMA Grote Meyer Brock Adel Ahnen Kirch Pfarr Hist Genea "
        "Lat Gloss Wbuch Bahl Frei Zedl Mitt Rom Alt Kett Hand Mhd Nhd Schw");
    return w;
}

const Words& moreKeys() {
    static const Words w = words(
        "kirchb taufr heir begr stand zunft muenz masse kalend adel lehn hufe zehnt kirchs quel! "
        "schrift pfarr amt gericht");
    return w;
}

// Stems and endings of each dictionary's terms. Terms are built as stem,
// optional ending, optional second part, so that many terms share their first
// letters the way a real dictionary's do.
struct Vocabulary {
    Words stems;
    Words endings;
    Words seconds;   // second words or compound parts
    int secondPercent;
    int lowerPercent;  // terms written small, as foreign words often are
};

const Vocabulary& spVocabulary() {
    static const Vocabulary v{
        words("parafia chrzest slub zgon metryka ksiega kmiec soltys wójt gospodarz chalupnik "
              "komornik zagrodnik matka ojciec syn córka wdowa wdowiec kmotr farnost krest snatek "
              "úmrtí matrika rolník chalupník domkar podruh soused kmotra keresztelés házasság "
              "halálozás anyakönyv plébánia jobbágy zsellér özvegy keresztszülö battesimo "
              "matrimonio morte parrocchia registro contadino padrino madrina vedova bautismo "
              "matrimonio defunción parroquia labrador padrino viuda botez cununie înmormântare "
              "parohie plugar nas vaduva krštenje vjencanje smrt župa seljak kum udovica "
              "Kirchenbuch Taufregister Gerichtsbuch Grundbuch Lehnsherr Hufner Kötter Brinksitzer "
              "Anerbe Altenteil Leibgedinge Schoß Urbar Flurbuch Steuerliste Musterrolle Bürgerbuch "
              "Häuserbuch Kataster Seelenregister Kommunikantenliste Konfirmandenregister "
              "Proklamation Aufgebot Dispens Zivilstand Standesamt Ortsfamilienbuch Stammtafel "
              "Ahnenliste Ahnentafel Nachfahrenliste Sippe Geschlecht Linie Stamm Äbtissin Ökonom "
              "Übergabe Überlassung Straßenzug Maßwerk Schößling Kämmerer Rentmeister Gültbuch"),
        words("a e i o u y ek ka ny ás és ság ség ino ina ato ata ado ada ul ului ica ic ovi er "
              "en ung schaft buch liste register ei"),
        words("der Gemeinde|der Pfarrei|des Dorfes|zur Hälfte|nach Stand|in der Stadt|"
              "auf dem Lande|von Amts wegen|mit Zusatz|ohne Zusatz", u'|'),
        18, 45};
    return v;
}

const Vocabulary& laVocabulary() {
    static const Vocabulary v{
        words("baptiz matrimon defunct parochi sepult fili patr matr vidu coniug copul proclam "
              "dispens legitim illegitim spuri posthum gemell infant puell puer adolescent "
              "iuven senex senior agricol colon inquilin famul ancill sartor sutor fabr moli "
              "pistor textor carpentar caupon mercator civ oppid pag villic praefect iudic "
              "scabin notar sacerdot pastor capellan custod aeditu ludimagistr obstetric "
              "susceptor levans testis sponsus sponsa nupt natus nata obiit obitus aetat "
              "annor mens dier hebdomad fest domin feria calend idus non"),
        words("us a um i ae o orum arum is es em ibus atus ata atum atio ationis ator atrix "
              "itas itatis ens entis"),
        words("in facie ecclesiae|legitime natus|ex illegitimo toro|sine prole|"
              "post mortem patris|ante nuptias|in articulo mortis|in domo propria|"
              "ad sacrum fontem|huius parochiae|alterius parochiae", u'|'),
        30, 80};
    return v;
}

const Vocabulary& peVocabulary() {
    static const Vocabulary v{
        words("Bauer Bürger Knecht Magd Müller Schöffe Schultheiß Vogt Amtmann Pfarrer Küster "
              "Lehrer Hebamme Schmied Schneider Schuster Weber Bäcker Brauer Fleischer Gerber "
              "Zimmermann Maurer Tischler Böttcher Wagner Sattler Seiler Töpfer Kürschner "
              "Drechsler Färber Tuchmacher Leineweber Strumpfwirker Nagelschmied Hufschmied "
              "Kupferschmied Zinngießer Glockengießer Goldschmied Krämer Händler Kaufmann "
              "Gastwirt Krüger Schenkwirt Fuhrmann Schiffer Fischer Jäger Förster Holzhauer "
              "Köhler Hirte Schäfer Schweinehirt Kuhhirt Tagelöhner Häusler Kätner Kossät "
              "Einlieger Inste Hausgenosse Gärtner Halbspänner Vollspänner Anspänner Hintersasse "
              "Erbpächter Zeitpächter Gutsbesitzer Rittergutsbesitzer Gerichtsherr Patron "
              "Kirchenvorsteher Ältermann Zunftmeister Stadtschreiber Ratsherr Bürgermeister "
              "Kämmerer Stadtmusikant Türmer Nachtwächter Büttel Scharfrichter Abdecker Bader "
              "Barbier Wundarzt Apotheker Hebammenmeister Soldat Musketier Grenadier Dragoner "
              "Husar Kürassier Unteroffizier Feldwebel Leutnant Hauptmann Invalide Witwe Waise "
              "Ziehkind Pflegekind Stiefsohn Stieftochter Schwiegervater Schwiegermutter Pate "
              "Patin Gevatter Gevatterin Vormund Kurator Taufzeuge Trauzeuge Übernehmer Ausgedinger"),
        words("in sohn tochter meister geselle knecht frau witwe s e"),
        words("zu Hause|im Dorf|der Stadt|auf dem Gut|beim Amt|am Hof|in Diensten", u'|'),
        15, 3};
    return v;
}

const Vocabulary& krVocabulary() {
    static const Vocabulary v{
        words("Auszehrung Schwindsucht Fleckfieber Brustwassersucht Stickfluss Gallenfieber "
              "Nervenfieber Blattern Friesel Frais Gliedschwamm Wassersucht Lungensucht Halsbräune "
              "Bräune Keuchhusten Masern Röteln Scharlach Ruhr Cholera Typhus Pest Pocken "
              "Kindbettfieber Schlagfluss Steckfluss Herzbeutelwassersucht Gicht Podagra "
              "Rotlauf Rose Krätze Grind Geschwulst Geschwür Krebs Brand Kaltbrand Wundbrand "
              "Engbrüstigkeit Brustkrankheit Lungenentzündung Unterleibsentzündung Hirnentzündung "
              "Gehirnwassersucht Zahnen Zahnfieber Würmer Darmgicht Kolik Magenkrampf Krämpfe "
              "Gichter Fallsucht Veitstanz Abzehrung Entkräftung Altersschwäche Lebensschwäche "
              "Schwäche Hitziges Fieber Faulfieber Wechselfieber Kaltes Fieber Dreitagefieber "
              "Viertagefieber Schleimfieber Frieselfieber Milchfieber Nesselsucht Gelbsucht "
              "Bleichsucht Fettsucht Harnruhr Steinleiden Blutsturz Blutfluss Schlagfuss "
              "Verblutung Erstickung Ertrinken Erfrieren Unglücksfall Sturz Totgeburt"),
        words("en e n s krankheit leiden anfall"),
        words("der Kinder|der Wöchnerinnen|bei Kindern|bei Alten|mit Auszehrung|nach der Geburt", u'|'),
        20, 2};
    return v;
}

const Vocabulary& daVocabulary() {
    static const Vocabulary v{
        words("Montag Dienstag Mittwoch Donnerstag Freitag Sonnabend Sonntag feria dominica "
              "Dominica Septuagesima Sexagesima Estomihi Invocavit Reminiscere Oculi Laetare "
              "Judica Palmarum Quasimodogeniti Misericordias Jubilate Cantate Rogate Exaudi "
              "Pfingsten Trinitatis Michaelis Martini Johannis Jacobi Laurentii Bartholomäi "
              "Walpurgis Lichtmess Mariä Lichtmeß Fastnacht Aschermittwoch Gründonnerstag "
              "Karfreitag Ostern Himmelfahrt Fronleichnam Allerheiligen Allerseelen Advent "
              "Weihnachten Neujahr Dreikönig Epiphanias Quatember Kirchweih Kirmes Erntefest "
              "Calendae Nonae Idus Vigilia Octava Festum Circumcisio Purificatio Annuntiatio "
              "Visitatio Assumptio Nativitas Conceptio Thomae Andreae Nicolai Luciae Stephani"),
        words("tag abend nacht woche fest sonntag"),
        words("nach Trinitatis|nach Ostern|nach Epiphanias|vor Pfingsten|post Pentecosten|"
              "post Trinitatis|secunda|tertia|quarta|quinta|sexta", u'|'),
        40, 15};
    return v;
}

const Vocabulary& voVocabulary() {
    static const Vocabulary v{
        words("Johann Johannes Hans Jakob Georg Jörg Michael Andreas Peter Paul Matthias "
              "Christoph Christian Heinrich Friedrich Wilhelm Karl Ludwig Franz Joseph Anton "
              "Martin Lorenz Nikolaus Klaus Bartholomäus Sebastian Valentin Konrad Kunz Ulrich "
              "Wolfgang Gottfried Gottlieb Ernst August Adam Daniel David Samuel Simon Tobias "
              "Anna Maria Margaretha Katharina Barbara Elisabeth Magdalena Dorothea Sophia "
              "Christina Regina Ursula Agnes Apollonia Susanna Eva Gertrud Walburga Kunigunde "
              "Ottilie Rosina Veronika Juliane Friederike Wilhelmine Luise Charlotte Henriette "
              "Johanna Theresia Franziska Josepha Cäcilia Brigitta Helene Lene Grete Liese Käthe "
              "Jürgen Björn Sören Götz Jöst Jürg Müllerin"),
        words("a e us i um ine chen lein el"),
        words("Maria Josef Georg Christoph Friedrich Elisabeth Margaretha"),
        25, 1};
    return v;
}

QString lowerFirst(const QString& s) { return s.isEmpty() ? s : s.left(1).toLower() + s.mid(1); }
QString upperFirst(const QString& s) { return s.isEmpty() ? s : s.left(1).toUpper() + s.mid(1); }

// Cuts at a character boundary and drops a trailing blank.
QString cut(QString s, int max) {
    if (s.size() > max) s.truncate(max);
    while (s.endsWith(u' ')) s.chop(1);
    return s;
}

QString term(Rng& rng, const Vocabulary& v) {
    QString t = rng.pick(v.stems);
    if (rng.chance(55)) t += rng.pick(v.endings);
    if (rng.chance(v.secondPercent)) t += u' ' + rng.pick(v.seconds);
    if (rng.chance(6)) t += u' ' + rng.pick(v.stems).toLower();  // a few long multi-word terms
    if (rng.chance(v.lowerPercent)) t = lowerFirst(t);
    else t = upperFirst(t);
    while (t.size() < 4) t += rng.pick(v.endings);
    return cut(t, 40);
}

QString phrase(Rng& rng, int minLen, int maxLen) {
    const int target = rng.between(minLen, maxLen);
    QString s = rng.pick(germanWords());
    while (s.size() < target) s += u' ' + rng.pick(germanWords());
    s = cut(s, maxLen);
    while (s.size() < minLen) s += u'e';
    return s;
}

// Explanations: mostly short, some long enough to be cut in the list or to
// make the entry "ja".
QString explanation(Rng& rng) {
    const int r = rng.below(100);
    if (r < 55) return phrase(rng, 5, 26);
    if (r < 85) return phrase(rng, 27, 60);
    return phrase(rng, 61, 120);
}

QString furtherInfo(Rng& rng) {
    const int r = rng.below(100);
    if (r < 55) return QStringLiteral("-");
    if (r < 62) return QString();
    QString s = rng.pick(sentenceOpeners()) + u' ' + phrase(rng, 15, 180) + u'.';
    return s;
}

struct FilePlan {
    const char* name;
    const Vocabulary& (*vocabulary)();
    int count;
    int morePercent;  // entries with a more-info key
};

QString codeFor(Rng& rng, const QString& file) {
    if (file == QLatin1String("2la.lex")) return QStringLiteral("La");
    if (file == QLatin1String("2pe.lex")) return QStringLiteral("Pe");
    if (file == QLatin1String("2kr.lex")) return QStringLiteral("Kr");
    if (file == QLatin1String("2da.lex")) return QStringLiteral("Da");
    if (file == QLatin1String("2vo.lex")) return QStringLiteral("Vo");
    // 2sp.lex: the languages, general terms, Latin added by users, unknown.
    static const Words codes = words("Al Al Al Al Po Po Ts Ts Un Un It Sn Ru Se La");
    return rng.chance(3) ? QString() : rng.pick(codes);
}

}  // namespace

QMap<QString, int> generate(const QString& dir, const Sizes& sizes, std::uint64_t seed) {
    QMap<QString, int> written;
    if (!QDir().mkpath(dir)) return {};
    const FilePlan plans[] = {
        {"2sp.lex", spVocabulary, sizes.sp, 4}, {"2la.lex", laVocabulary, sizes.la, 1},
        {"2pe.lex", peVocabulary, sizes.pe, 3}, {"2kr.lex", krVocabulary, sizes.kr, 1},
        {"2da.lex", daVocabulary, sizes.da, 1}, {"2vo.lex", voVocabulary, sizes.vo, 1},
    };
    Rng rng(seed);
    for (const FilePlan& plan : plans) {
        const QString name = QString::fromLatin1(plan.name);
        FieldFile out;
        if (!out.openForWriting(QDir(dir).filePath(name))) return {};
        const Vocabulary& v = plan.vocabulary();
        for (int i = 0; i < plan.count; ++i) {
            FieldValues rec;
            rec.append(rng.chance(plan.morePercent) ? rng.pick(moreKeys()) : QString());
            rec.append(term(rng, v));
            rec.append(explanation(rng));
            rec.append(codeFor(rng, name));
            rec.append(furtherInfo(rng));
            rec.append(rng.pick(sources()));
            if (!out.writeRecord(rec)) return {};
        }
        if (!out.close()) return {};
        written.insert(name, plan.count);
    }
    return written;
}

}  // namespace benchgen
