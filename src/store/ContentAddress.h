#pragma once

#include <QString>
#include <QStringView>

// The addresses of the content's pages as the windows build them: by plain
// concatenation onto the content root exactly as it is stored (on Windows a
// root such as D:\, on Linux /media/cdrom/); the page browser turns them into
// real URLs. The files themselves are found through ContentFolder, never by
// gluing names onto the root.
namespace corvanel::ContentAddress {

inline constexpr QStringView kMarkerFileName = u"labels.dat";
inline constexpr QStringView kStartPage = u"entrada2.htm";
inline constexpr QStringView kPrintQuery = u"?op=Imprimir";

// Fixed page names under textos\.
inline constexpr QStringView kHelpPage = u"help";
inline constexpr QStringView kLegislationLinksPage = u"L01";
inline constexpr QStringView kZeftPage = u"ZEFT";
inline constexpr QStringView kQuardePage = u"QUARDE";

// "file://localhost/" + root + "textos\" + page name + ".htm"
QString pageAddress(const QString& root, const QString& pageName);

// The page address followed by "?op=Imprimir": the page prints itself.
QString printAddress(const QString& root, const QString& pageName);

// "file://localhost/" + root + "entrada2.htm"
QString startPageAddress(const QString& root);

// The page name of a document code: its decimal text.
QString documentPageName(qint64 code);

// The root as a local folder of this system, for reading files under it: a
// Windows-style root has its backslashes turned into separators on POSIX.
QString localFolder(const QString& root);

}  // namespace corvanel::ContentAddress
