#include "CollectionGenerator.h"

#include "CategoryTables.h"
#include "CollectionWriter.h"
#include "GeneratedPages.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <vector>

namespace corvanel::bench {

namespace {

using Random = std::mt19937_64;

// Short words that open a Portuguese frequency list, then the field's own.
constexpr QStringView kLeadingWords[] = {
    u"de",         u"a",           u"o",
    u"que",        u"e",           u"do",
    u"da",         u"em",          u"um",
    u"para",       u"com",         u"não",
    u"uma",        u"os",          u"no",
    u"se",         u"na",          u"por",
    u"mais",       u"as",          u"dos",
    u"como",       u"ao",          u"das",
    u"à",          u"seu",         u"sua",
    u"ou",         u"quando",      u"nos",
    u"já",         u"também",      u"pelo",
    u"pela",       u"até",         u"entre",
    u"criança",    u"adolescente", u"direito",
    u"lei",        u"estatuto",    u"família",
    u"proteção",   u"juiz",        u"tribunal",
    u"conselho",   u"tutelar",     u"educação",
    u"saúde",      u"medida",      u"socioeducativa",
    u"guarda",     u"adoção",      u"convivência",
    u"município",  u"ministério",  u"público",
    u"defensoria", u"acolhimento", u"violência",
};

constexpr QStringView kSyllables[] = {
    u"ba",  u"be",  u"bi", u"bo", u"ca", u"ce", u"ci", u"co", u"cu",  u"ção", u"ções", u"da",
    u"de",  u"di",  u"do", u"du", u"fa", u"fe", u"fi", u"ga", u"go",  u"la",  u"le",   u"li",
    u"lo",  u"lu",  u"ma", u"me", u"mi", u"mo", u"na", u"ne", u"ni",  u"no",  u"pa",   u"pe",
    u"pi",  u"po",  u"pu", u"ra", u"re", u"ri", u"ro", u"sa", u"se",  u"si",  u"so",   u"ta",
    u"te",  u"ti",  u"to", u"tu", u"va", u"ve", u"vi", u"vo", u"lha", u"nha", u"cha",  u"que",
    u"qui", u"gua", u"ã",  u"é",  u"á",  u"í",  u"ó",  u"ú",  u"ê",   u"ô",   u"ar",   u"er",
    u"or",  u"al",  u"el", u"en", u"in", u"an", u"on", u"es", u"is",  u"os",  u"as",   u"ên",
};

constexpr QStringView kBodies[] = {
    u"Supremo Tribunal Federal",
    u"Superior Tribunal de Justiça",
    u"Tribunal de Justiça de São Paulo",
    u"Tribunal de Justiça do Paraná",
    u"Congresso Nacional",
    u"Conselho Nacional dos Direitos da Criança",
    u"Ministério Público do Estado",
    u"Defensoria Pública da União",
    u"Assembleia Legislativa",
    u"Vara da Infância e da Juventude",
    u"Organização das Nações Unidas",
    u"Secretaria de Assistência Social",
};

constexpr QStringView kGivenNames[] = {u"Ana",     u"Bruno",  u"Cecília", u"Davi",   u"Érica",
                                       u"Fábio",   u"Gisele", u"Heitor",  u"Inês",   u"João",
                                       u"Lúcia",   u"Márcio", u"Natália", u"Otávio", u"Patrícia",
                                       u"Rogério", u"Sônia",  u"Túlio"};

// A section letter and how often it occurs.
struct SectionShape {
    char16_t letter;
    int weight;
};
constexpr std::array kSections{SectionShape{u'A', 30}, SectionShape{u'B', 20},
                               SectionShape{u'C', 15}, SectionShape{u'H', 5},
                               SectionShape{u'D', 15}, SectionShape{u'E', 15}};
constexpr QChar kLifeCycleLetter = u'F';

// The codes the program lists under this letter: a generated card carries
// no code that a reader could not reach.
QStringList listedCodesOf(QChar letter) {
    QStringList codes;
    for (const QString& code : categories::listedCategoryCodes()) {
        if (code.front() == letter) {
            codes << code;
        }
    }
    return codes;
}

// Words drawn at Zipf frequencies: rank r is drawn with weight 1 / r.
class Vocabulary {
public:
    Vocabulary(Random& random, int size) {
        std::set<QString> seen;
        for (const QStringView word : kLeadingWords) {
            add(word.toString(), seen);
        }
        std::uniform_int_distribution<size_t> syllable(0, std::size(kSyllables) - 1);
        std::uniform_int_distribution<int> syllableCount(2, 5);
        while (static_cast<int>(words_.size()) < size) {
            QString word;
            for (int i = syllableCount(random); i > 0; --i) {
                word += kSyllables[syllable(random)];
            }
            add(word, seen);
        }
        double total = 0;
        for (size_t rank = 1; rank <= words_.size(); ++rank) {
            total += 1.0 / static_cast<double>(rank);
            cumulative_.push_back(total);
        }
    }

    const QString& draw(Random& random) const {
        std::uniform_real_distribution<double> uniform(0, cumulative_.back());
        const auto found =
            std::upper_bound(cumulative_.begin(), cumulative_.end(), uniform(random));
        return words_[static_cast<size_t>(std::min<std::ptrdiff_t>(
            found - cumulative_.begin(), static_cast<std::ptrdiff_t>(words_.size()) - 1))];
    }

    // A word of the long tail, for titles and key words.
    const QString& drawUncommon(Random& random) const {
        std::uniform_int_distribution<size_t> rank(std::size(kLeadingWords), words_.size() - 1);
        return words_[rank(random)];
    }

private:
    void add(const QString& word, std::set<QString>& seen) {
        if (seen.insert(word).second) {
            words_.push_back(word);
        }
    }

    std::vector<QString> words_;
    std::vector<double> cumulative_;
};

QString capitalised(QString text) {
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}

class CardMaker {
public:
    CardMaker(const GeneratorOptions& options, Random& random)
        : options_(options),
          random_(random),
          vocabulary_(random, 30000),
          lifeCycleCodes_(listedCodesOf(kLifeCycleLetter)) {
        for (size_t i = 0; i < kSections.size(); ++i) {
            sectionCodes_[i] = listedCodesOf(kSections[i].letter);
        }
        std::uniform_int_distribution<size_t> given(0, std::size(kGivenNames) - 1);
        for (int i = 0; i < 800; ++i) {
            authors_ << capitalised(vocabulary_.drawUncommon(random_)) + u", " +
                            kGivenNames[given(random_)];
        }
        std::vector<int> documents(static_cast<size_t>(options.documents));
        for (int i = 0; i < options.documents; ++i) {
            documents[static_cast<size_t>(i)] = i;
        }
        std::shuffle(documents.begin(), documents.end(), random_);
        rareDocuments_.insert(documents.begin(), documents.begin() + std::min(words::kRareDocuments,
                                                                              options.documents));
    }

    collection::Card make(int index) {
        collection::Card card;
        card.cod = index + 1;
        const size_t section = drawSection();
        card.sessao = QString(QChar(kSections[section].letter));
        card.categoria = drawFromList(sectionCodes_[section]);
        if (kSections[section].letter == u'A' && chance(0.2)) {
            card.categoria += u' ' + drawFromList(lifeCycleCodes_);
        }
        if (chance(0.05)) {
            card.categoria += u' ' + drawFromList(sectionCodes_[drawSection()]);
        }
        card.titulo = capitalised(sentence(4, 12, false));
        card.subtitulo =
            kSections[section].letter == u'A' ? drawFromList(authors_) : drawFrom(kBodies);
        card.pchave = sentence(3, 6, true);
        const bool rare = rareDocuments_.count(index) > 0;
        const int texts = rare ? 1 : (chance(0.005) ? 0 : (chance(0.01) ? 2 : 1));
        for (int i = 0; i < texts; ++i) {
            card.texts << text(rare);
        }
        return card;
    }

private:
    bool chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

    // An index into kSections.
    size_t drawSection() {
        int total = 0;
        for (const auto& section : kSections) {
            total += section.weight;
        }
        int pick = std::uniform_int_distribution<int>(0, total - 1)(random_);
        for (size_t i = 0; i < kSections.size(); ++i) {
            if (pick < kSections[i].weight) {
                return i;
            }
            pick -= kSections[i].weight;
        }
        return 0;
    }

    template <size_t N>
    QString drawFrom(const QStringView (&items)[N]) {
        return items[std::uniform_int_distribution<size_t>(0, N - 1)(random_)].toString();
    }

    QString drawFromList(const QStringList& items) {
        return items[std::uniform_int_distribution<qsizetype>(0, items.size() - 1)(random_)];
    }

    QString sentence(int minWords, int maxWords, bool uncommon) {
        QStringList parts;
        for (int i = std::uniform_int_distribution<int>(minWords, maxWords)(random_); i > 0; --i) {
            parts << (uncommon ? vocabulary_.drawUncommon(random_) : vocabulary_.draw(random_));
        }
        return parts.join(u' ');
    }

    int textLength() {
        std::lognormal_distribution<double> length(std::log(options_.medianTextBytes),
                                                   options_.lengthSpread);
        return std::clamp(static_cast<int>(length(random_)), options_.minTextBytes,
                          options_.maxTextBytes);
    }

    // Paragraphs of sentences, one paragraph a line.
    QString text(bool plantRareWord) {
        const int length = textLength();
        QString result;
        result.reserve(length + 200);
        int wordsInParagraph = 0;
        int paragraphLength = std::uniform_int_distribution<int>(30, 120)(random_);
        bool sentenceStart = true;
        while (result.size() < length) {
            const QString& word = vocabulary_.draw(random_);
            result += sentenceStart ? capitalised(word) : word;
            sentenceStart = chance(0.08);
            if (++wordsInParagraph >= paragraphLength) {
                result += QStringLiteral(".\n");
                wordsInParagraph = 0;
                paragraphLength = std::uniform_int_distribution<int>(30, 120)(random_);
                sentenceStart = true;
            } else {
                result += sentenceStart ? QStringLiteral(". ") : QStringLiteral(" ");
            }
        }
        if (plantRareWord) {
            const auto at = std::uniform_int_distribution<qsizetype>(0, result.size())(random_);
            result.insert(at, u' ' + words::kRare.toString() + u' ');
        }
        return result;
    }

    const GeneratorOptions& options_;
    Random& random_;
    Vocabulary vocabulary_;
    QStringList authors_;
    std::array<QStringList, kSections.size()> sectionCodes_;
    QStringList lifeCycleCodes_;
    std::set<int> rareDocuments_;
};

}  // namespace

void generateCollection(const QString& databasePath, const QString& contentRoot,
                        const GeneratorOptions& options) {
    Random random(options.seed);
    CardMaker maker(options, random);
    const GeneratedPages pages(contentRoot);
    pages.writeFixedFiles();
    collection::CollectionWriter writer(databasePath, contentRoot);
    for (int i = 0; i < options.documents; ++i) {
        const collection::Card card = maker.make(i);
        writer.add(card);
        if (options.writePages) {
            pages.write(card);
        }
    }
    writer.commit();
}

}  // namespace corvanel::bench
