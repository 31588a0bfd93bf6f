#include "app/Keynames.h"

#include <QStringList>

namespace {
struct NamedKey {
    Qt::Key key;
    const char* name;
};

// Keys whose name is not the character they type.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_PageUp, "Page Up"},
    {Qt::Key_PageDown, "Page Down"},
    {Qt::Key_Tab, "Tab"},
    // Shift+Tab reaches the game as Backtab with Shift held.
    {Qt::Key_Backtab, "Tab"},
    {Qt::Key_Space, "Space"},
    {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},
    {Qt::Key_Escape, "Escape"},
    // "Ctrl+Plus" reads where "Ctrl++" would not.
    {Qt::Key_Plus, "Plus"},
    {Qt::Key_Minus, "Minus"},
};

constexpr struct {
    Qt::KeyboardModifier modifier;
    const char* name;
} kModifiers[] = {{Qt::ControlModifier, "Ctrl+"}, {Qt::AltModifier, "Alt+"}, {Qt::ShiftModifier, "Shift+"}};

QString chordName(QKeyCombination chord)
{
    QString name;
    for (const auto& m : kModifiers)
        if (chord.keyboardModifiers() & m.modifier)
            name += m.name;
    const Qt::Key key = chord.key();
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key)
            return name + named.name;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return name + 'F' + QString::number(key - Qt::Key_F1 + 1);
    // Letters, digits and signs: the character on the key. Anything else
    // keeps the toolkit's own name rather than none.
    if (key > Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return name + QChar(key);
    return name + QKeySequence(key).toString(QKeySequence::PortableText);
}
} // namespace

QString keyName(const QKeySequence& keys)
{
    QStringList chords;
    for (int i = 0; i < keys.count(); ++i)
        chords << chordName(keys[i]);
    return chords.join(", ");
}
