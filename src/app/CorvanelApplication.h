#pragma once

#include <QString>

#include <memory>

namespace corvanel {

class TErroScreen;
class TForm1;
class TForm10;
class TForm16;
class TForm17;
class TProcurandoScreen;
class TQuarde;
class TSplashScreen;
class TTextos;
class TZEFT;

// Owns every window of the program, creates them once in their fixed order
// while the splash reports progress, and wires them to one another.
class CorvanelApplication {
public:
    // programFolder: where the program and its database file live.
    explicit CorvanelApplication(QString programFolder);
    ~CorvanelApplication();
    CorvanelApplication(const CorvanelApplication&) = delete;
    CorvanelApplication& operator=(const CorvanelApplication&) = delete;

    // Shows the splash, creates the windows, closes the splash and shows the
    // main window. Returns once the main window is on screen.
    void start();

    TForm1* mainWindow() const { return form1_.get(); }
    TTextos* resultList() const { return textos_.get(); }
    TProcurandoScreen* busyScreen() const { return busy_.get(); }
    // Shown when start-up finds no marker file in the content root.
    TErroScreen* contentLocationScreen() const { return erro_.get(); }
    TForm16* updateAssistant() const { return form16_.get(); }
    TForm17* aboutWindow() const { return form17_.get(); }
    TForm10* viewer() const { return form10_.get(); }
    TZEFT* zeftWindow() const { return zeft_.get(); }
    TQuarde* quardeWindow() const { return quarde_.get(); }

private:
    void createResultList(TSplashScreen& splash);
    void createUpdateAssistantAndAbout();
    void createInformationWindows();
    void createViewer();
    QString contentRoot() const;

    QString programFolder_;
    std::unique_ptr<TProcurandoScreen> busy_;
    std::unique_ptr<TErroScreen> erro_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm16> form16_;
    std::unique_ptr<TForm17> form17_;
    std::unique_ptr<TForm10> form10_;
    std::unique_ptr<TTextos> textos_;
    std::unique_ptr<TQuarde> quarde_;
    std::unique_ptr<TZEFT> zeft_;
};

}  // namespace corvanel
