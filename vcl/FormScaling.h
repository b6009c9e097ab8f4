#pragma once
// How a form designed on one screen is fitted to another when it is loaded:
// the font follows the screen's resolution, then the controls and the client
// area follow the height the font turned out to have.

// The font height to ask for on a screen of ScreenPixelsPerInch.
int ScaledFontHeight(int Height, int ScreenPixelsPerInch, int DesignedPixelsPerInch);

// Scales by Measured / Designed text height; the identity when they agree.
struct TFormScale {
    int Measured;
    int Designed;

    bool Changes() const { return Measured != Designed && Measured > 0 && Designed > 0; }
    int operator()(int Value) const;
};
