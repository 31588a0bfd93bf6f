#include "app/Keynames.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
struct NamedKey {
    Qt::Key key;
    const char* name;
};

// Keys whose name is not the character they type.
constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Left, QT_TRANSLATE_NOOP("KeyName", "Left")},
    {Qt::Key_Right, QT_TRANSLATE_NOOP("KeyName", "Right")},
    {Qt::Key_Up, QT_TRANSLATE_NOOP("KeyName", "Up")},
    {Qt::Key_Down, QT_TRANSLATE_NOOP("KeyName", "Down")},
    {Qt::Key_PageUp, QT_TRANSLATE_NOOP("KeyName", "Page Up")},
    {Qt::Key_PageDown, QT_TRANSLATE_NOOP("KeyName", "Page Down")},
    {Qt::Key_Tab, QT_TRANSLATE_NOOP("KeyName", "Tab")},
    // Shift+Tab reaches the game as Backtab with Shift held.
    {Qt::Key_Backtab, QT_TRANSLATE_NOOP("KeyName", "Tab")},
    {Qt::Key_Space, QT_TRANSLATE_NOOP("KeyName", "Space")},
    {Qt::Key_Return, QT_TRANSLATE_NOOP("KeyName", "Enter")},
    {Qt::Key_Enter, QT_TRANSLATE_NOOP("KeyName", "Enter")},
    {Qt::Key_Escape, QT_TRANSLATE_NOOP("KeyName", "Escape")},
    // "Ctrl+Plus" reads where "Ctrl++" would not.
    {Qt::Key_Plus, QT_TRANSLATE_NOOP("KeyName", "Plus")},
    {Qt::Key_Minus, QT_TRANSLATE_NOOP("KeyName", "Minus")},
};

constexpr struct {
    Qt::KeyboardModifier modifier;
    const char* name;
} kModifiers[] = {{Qt::ControlModifier, QT_TRANSLATE_NOOP("KeyName", "Ctrl+")},
                  {Qt::AltModifier, QT_TRANSLATE_NOOP("KeyName", "Alt+")},
                  {Qt::ShiftModifier, QT_TRANSLATE_NOOP("KeyName", "Shift+")}};

QString translated(const char* name)
{
    return QCoreApplication::translate("KeyName", name);
}

QString chordName(QKeyCombination chord)
{
    QString name;
    for (const auto& m : kModifiers)
        if (chord.keyboardModifiers() & m.modifier)
            name += translated(m.name);
    const Qt::Key key = chord.key();
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key)
            return name + translated(named.name);
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
    return chords.join(QCoreApplication::translate("KeyName", ", "));
}
