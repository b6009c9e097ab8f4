#include "FormScaling.h"

#include <windows.h>

int ScaledFontHeight(int Height, int ScreenPixelsPerInch, int DesignedPixelsPerInch)
{
    if (ScreenPixelsPerInch == DesignedPixelsPerInch || ScreenPixelsPerInch <= 0 || DesignedPixelsPerInch <= 0)
        return Height;
    return MulDiv(Height, ScreenPixelsPerInch, DesignedPixelsPerInch);
}

int TFormScale::operator()(int Value) const
{
    return Changes() ? MulDiv(Value, Measured, Designed) : Value;
}
