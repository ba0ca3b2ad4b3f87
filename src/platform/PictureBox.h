#pragma once

#include "platform/ConstituentControl.h"
#include "platform/Picture.h"

#include <string>
#include <vector>

namespace ov {

// A picture box: shows a picture, holds other constituent controls, takes the focus, and keeps the
// text printed on it. Print writes at CurrentX, CurrentY with the box's Font and ForeColor and moves
// to the start of the next line; Cls forgets what was printed and goes back to 0, 0. What was printed
// is kept as a list for a renderer (whatever AutoRedraw says: the flag tells a renderer whether the
// drawing persists). Measures are twips; the inner (scale) size is the size less the border. A box
// may sit inside another box (setContainer); its text is clipped to its own inner area and drawn over
// the box it sits in. Resize is raised after Width or Height changed (not for a move alone).
class PictureBox : public ConstituentControl {
    OV_OBJECT(PictureBox)
public:
    struct PrintedText {
        float x = 0;
        float y = 0;
        std::string text;
        FontRef font;
        OleColor color = 0;
    };

    PictureBox();

    PictureRef Picture() const { return m_picture; }
    void setPicture(PictureRef v) { m_picture = std::move(v); }
    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool v) { m_autoRedraw = v; }
    // 0 none, 1 fixed single (a 3D edge two pixels wide on each side); others are 380.
    int16_t BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(int16_t v);
    float ScaleWidth() const;
    float ScaleHeight() const;

    float CurrentX() const { return m_currentX; }
    void setCurrentX(float v) { m_currentX = v; }
    float CurrentY() const { return m_currentY; }
    void setCurrentY(float v) { m_currentY = v; }
    // Prints text (its own line breaks start new lines at x 0) and moves to the start of the next line.
    void Print(const std::string& text);
    // Prints text and stays after it on the same line (the host's Print with a trailing ";").
    void printInline(const std::string& text);
    void Cls();
    const std::vector<PrintedText>& printed() const { return m_printed; }

    // Measured in the box's Font through the runtime's text metrics.
    float TextWidth(const std::string& text) const;
    float TextHeight(const std::string& text) const;

    Event<> Resize;

    bool holdsControls() const override { return true; }
    bool canTakeFocus() const override { return true; }

    static void describe(ClassBuilder<PictureBox>& b);

protected:
    void boundsChanged(float oldLeft, float oldTop, float oldWidth, float oldHeight) override;

private:
    void printLines(const std::string& text, bool newLine);
    void PrintOptional(std::optional<std::string> text) { Print(text.value_or("")); }

    PictureRef m_picture;
    bool m_autoRedraw = false;
    int16_t m_borderStyle = 1;
    float m_currentX = 0;
    float m_currentY = 0;
    std::vector<PrintedText> m_printed;
};

} // namespace ov
