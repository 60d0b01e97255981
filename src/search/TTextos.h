#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace corvanel {

class Database;
class StartupProgress;
class TProcurandoScreen;

// The result-list window. It is created once at start, owns the connection
// to the collection's database for the whole run, and holds the content
// root that every other window reads.
class TTextos final : public QWidget {
    Q_OBJECT

public:
    // The sections whose totals creation writes, in the order it writes them.
    enum class Section { Textos, Legislacao, Julgados, Experiencias, Modelos, Ciclos };

    // What the creation work reports to the other windows.
    struct CreationContext {
        QString connectionString;
        StartupProgress* progress = nullptr;
        std::function<void(Section, const QString&)> writeSectionTotal;
        std::function<void()> showContentLocationScreen;
        // Lets pending window messages through while rows are counted.
        std::function<void()> messagePump;
    };

    explicit TTextos(QWidget* parent = nullptr);
    ~TTextos() override;

    // Advances the splash, opens the database, counts the collection and its
    // sections, reads the content root and checks it for its marker file.
    // Stops at the first error and raises it; what was done stays done.
    void FormCreate(const CreationContext& context);

    // Request fields written by the other windows before showing this one.
    QString tipo;
    QString Edit4;
    QString Aux;
    QString SUBCAT = QStringLiteral(" ");
    QString SUBCATOK;

    // Written at creation for the other windows.
    QString CaminhoCD;
    QString Edit6;

    // The busy window shown around the window's database work.
    void setBusyScreen(TProcurandoScreen* busy) { busy_ = busy; }

    // The open connection; null when creation could not open the database.
    Database* database() const { return database_.get(); }

private:
    static void advanceSplashBar(StartupProgress& progress);

    std::unique_ptr<Database> database_;
    TProcurandoScreen* busy_ = nullptr;
};

}  // namespace corvanel
