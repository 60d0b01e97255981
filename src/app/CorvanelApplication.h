#pragma once

#include <QString>

#include <memory>

namespace corvanel {

class TForm1;
class TProcurandoScreen;
class TSplashScreen;
class TTextos;

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

    // Whether start-up found no marker file in the content root.
    bool contentLocationRequested() const { return contentLocationRequested_; }

private:
    void createResultList(TSplashScreen& splash);

    QString programFolder_;
    std::unique_ptr<TProcurandoScreen> busy_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TTextos> textos_;
    bool contentLocationRequested_ = false;
};

}  // namespace corvanel
