#include "Statements.h"

namespace corvanel::Statements {

namespace {

// Starts a statement text from a literal piece.
QString Q(QStringView piece) { return piece.toString(); }

// '%x%': x between wildcards, inside single quotes.
QString like(const QString& x) { return Q(u"'") + u"%" + escapedForQuotes(x) + u"%" + u"'"; }

QString number(int value) { return QString::number(value); }

// The key-word search up to its closing parenthesis; the three searches
// differ only in what follows it.
QString keywordConditions(const QString& words) {
    return Q(u"select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where (titulo LIKE '%") +
           escapedForQuotes(words) + u"%" + u"'" +
           u" or pchave LIKE " + like(words) +
           u" or subtitulo LIKE " + like(words) +
           u" or conteudo LIKE " + like(words);
}

}  // namespace

QString escapedForQuotes(const QString& value) {
    QString escaped = value;
    escaped.replace(u'\'', QStringLiteral("''"));
    return escaped;
}

// clang-format off

QString collectionCount() {
    return Q(u"select * from LABELS");
}

QString sectionCount(const QString& letter) {
    return Q(u"select * from LABELS where categoria LIKE '%") + escapedForQuotes(letter) + u"%" + u"'";
}

QString contentRootRead() {
    return Q(u"select tipo from CONTROLE where topo =1");
}

QString contentRootStore(const QString& folder) {
    return Q(u"update CONTROLE set tipo = '") + escapedForQuotes(folder) + u"'";
}

QString keywordSearch(const QString& words) {
    return keywordConditions(words) +
           u") and TEXTOS.cod_texto = LABELS.cod " +
           u" order by titulo";
}

QString sectionKeywordSearch(const QString& words, const QString& sectionLetter) {
    return keywordConditions(words) +
           u") and TEXTOS.cod_texto = LABELS.cod and LABELS.sessao=" + u"'" + escapedForQuotes(sectionLetter) + u"'" +
           u" order by titulo";
}

QString subcategoryKeywordSearch(const QString& words, const QString& subcategory) {
    return keywordConditions(words) +
           u") and TEXTOS.cod_texto = LABELS.cod and LABELS.categoria LIKE " + like(subcategory) +
           u" order by titulo";
}

QString categoryListing(const QString& category) {
    return Q(u"select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS where ") +
           u"categoria LIKE " + like(category) +
           u" and TEXTOS.cod_texto = LABELS.cod " +
           u" order by titulo";
}

QString collectionListing() {
    return Q(u"select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS") +
           u" where TEXTOS.cod_texto = LABELS.cod" +
           u" order by titulo";
}

QString authorList() {
    return Q(u"select distinct subtitulo as autor from LABELS ") +
           u" where sessao =" + u"'" + u"A" + u"'" +
           u" order by subtitulo";
}

QString narrowingSearch(const QString& words, int previousLevel) {
    return Q(u"select L.titulo, L.cod, L.subtitulo, T.conteudo, L.sessao from LABELS L, TEXTOS T, LABELS2 L2 where (L.titulo LIKE '%") +
           escapedForQuotes(words) + u"%" + u"'" +
           u" or L.pchave LIKE " + like(words) +
           u" or L.subtitulo LIKE " + like(words) +
           u" or T.conteudo LIKE " + like(words) +
           u") and T.cod_texto = L.cod and L.Cod = L2.cod and L2.ctr=" + number(previousLevel) +
           u" order by L.titulo";
}

QString levelListing(int level) {
    return Q(u"select L.titulo as titulo, L.cod as cod, L.subtitulo as subtitulo, T.conteudo as conteudo, L.sessao as sessao from LABELS L, TEXTOS T, Labels2 L2 where L.cod = T.Cod_texto and L2.cod = L.cod and  L2.ctr =") +
           number(level);
}

QString documentTextStart(const QString& textRow, int characters) {
    return Q(u"select substr(conteudo, 1, ") + number(characters) + u") as conteudo from TEXTOS where rowid = " + textRow;
}

QString clearAllMarks() {
    return Q(u"DELETE * FROM LABELS2");
}

QString clearLevelMarks(int level) {
    return Q(u"DELETE * FROM LABELS2 where ctr=") + number(level);
}

QString addMark(const QString& code, int level) {
    return Q(u"Insert into LABELS2(cod, ctr)") +
           u" values (" + code + u", " + number(level) + u") ";
}

// clang-format on

}  // namespace corvanel::Statements
