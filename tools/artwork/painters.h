// The drawing functions the picture list refers to by name. Each paints a
// whole picture of the given size; its words come from the list's last columns.
#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>

namespace artwork {

using Painter = void (*)(QPainter& p, const QSize& size, const QStringList& args);

// The painter registered under `name`, or nullptr.
Painter painterNamed(const QString& name);

namespace paint {

// Start-up, busy and content-location windows, information and about windows.
void splashPortrait(QPainter& p, const QSize& size, const QStringList& args);
void splashBanner(QPainter& p, const QSize& size, const QStringList& args);
void busy(QPainter& p, const QSize& size, const QStringList& args);
void findFolder(QPainter& p, const QSize& size, const QStringList& args);
void contentLocation(QPainter& p, const QSize& size, const QStringList& args);
void zeft(QPainter& p, const QSize& size, const QStringList& args);
void quarde(QPainter& p, const QSize& size, const QStringList& args);
void about(QPainter& p, const QSize& size, const QStringList& args);

// Main window.
void mainBanner(QPainter& p, const QSize& size, const QStringList& args);
void mainLogos(QPainter& p, const QSize& size, const QStringList& args);
void mainFooter(QPainter& p, const QSize& size, const QStringList& args);
void mainFooterLeft(QPainter& p, const QSize& size, const QStringList& args);
void column(QPainter& p, const QSize& size, const QStringList& args);
void sectionStrip(QPainter& p, const QSize& size, const QStringList& args);
void presentationStrip(QPainter& p, const QSize& size, const QStringList& args);

// Result-list window and document viewer.
void resultsHeader(QPainter& p, const QSize& size, const QStringList& args);
void resultsHeaderRight(QPainter& p, const QSize& size, const QStringList& args);
void resultsEmblem(QPainter& p, const QSize& size, const QStringList& args);
void resultsCaption(QPainter& p, const QSize& size, const QStringList& args);
void resultsListingCover(QPainter& p, const QSize& size, const QStringList& args);
void resultsNarrowCover(QPainter& p, const QSize& size, const QStringList& args);
void viewerBanner(QPainter& p, const QSize& size, const QStringList& args);
void viewerCaption(QPainter& p, const QSize& size, const QStringList& args);

// Picture buttons.
void tab(QPainter& p, const QSize& size, const QStringList& args);
void command(QPainter& p, const QSize& size, const QStringList& args);
void sectionIcon(QPainter& p, const QSize& size, const QStringList& args);
void helpButton(QPainter& p, const QSize& size, const QStringList& args);
void badge(QPainter& p, const QSize& size, const QStringList& args);

}  // namespace paint
}  // namespace artwork
