// SPDX-License-Identifier: GPL-3.0-or-later
#include "sounds/ScriptWalk.h"

#include <QCoreApplication>

namespace parlomatic::sounds {

namespace {

// The tokens of the engine's script code that the walk tells apart.
enum Token : quint8 {
    LocalVariable = 0x00,
    InstanceVariable = 0x01,
    DefaultVariable = 0x02,
    Return = 0x04,
    Switch = 0x05,
    Jump = 0x06,
    JumpIfNot = 0x07,
    Stop = 0x08,
    Assert = 0x09,
    Case = 0x0A,
    Nothing = 0x0B,
    LabelTable = 0x0C,
    GotoLabel = 0x0D,
    EatString = 0x0E,
    Let = 0x0F,
    DynArrayElement = 0x10,
    New = 0x11,
    ClassContext = 0x12,
    MetaCast = 0x13,
    LetBool = 0x14,
    EndFunctionParms = 0x16,
    Self = 0x17,
    Skip = 0x18,
    Context = 0x19,
    ArrayElement = 0x1A,
    VirtualFunction = 0x1B,
    FinalFunction = 0x1C,
    IntConst = 0x1D,
    FloatConst = 0x1E,
    StringConst = 0x1F,
    ObjectConst = 0x20,
    NameConst = 0x21,
    RotationConst = 0x22,
    VectorConst = 0x23,
    ByteConst = 0x24,
    IntZero = 0x25,
    IntOne = 0x26,
    True = 0x27,
    False = 0x28,
    NativeParm = 0x29,
    NoObject = 0x2A,
    IntConstByte = 0x2C,
    BoolVariable = 0x2D,
    DynamicCast = 0x2E,
    Iterator = 0x2F,
    IteratorPop = 0x30,
    IteratorNext = 0x31,
    StructCmpEq = 0x32,
    StructCmpNe = 0x33,
    UnicodeStringConst = 0x34,
    StructMember = 0x36,
    GlobalFunction = 0x38,
    FirstConversion = 0x39,
    ExtendedNative = 0x60,
    FirstNative = 0x70,
};

// The compiler nests expressions far less deeply; the bound keeps a hostile script off the stack's end.
constexpr int deepestNesting = 256;

class ScriptWalker {
public:
    ScriptWalker(ByteReader& reader, qint32 noneName, int pointerSize)
        : m_reader(reader), m_noneName(noneName), m_pointerSize(pointerSize) {}

    qint64 memory() const { return m_memory; }

    quint8 expression(int depth) {
        if (depth > deepestNesting)
            fail(QCoreApplication::translate("ScriptWalk", "script nested too deeply"));
        const quint8 token = fixed(1);
        if (token >= FirstNative) {
            arguments(depth);
            return token;
        }
        if (token >= ExtendedNative) {
            fixed(1);
            arguments(depth);
            return token;
        }
        if (token >= FirstConversion) {
            expression(depth + 1);
            return token;
        }
        switch (token) {
        case LocalVariable:
        case InstanceVariable:
        case DefaultVariable:
        case ObjectConst:
        case NativeParm:
            object();
            break;
        case NameConst:
            name();
            break;
        case Return:
        case GotoLabel:
        case EatString:
            expression(depth + 1);
            break;
        case Switch:
            fixed(1);
            expression(depth + 1);
            break;
        case Jump:
            fixed(2);
            break;
        case JumpIfNot:
        case Assert:
        case Skip:
            fixed(2);
            expression(depth + 1);
            break;
        case Case:
            if (fixed(2) != 0xFFFF)
                expression(depth + 1);
            break;
        case LabelTable:
            labelTable();
            break;
        case Let:
        case LetBool:
        case DynArrayElement:
        case ArrayElement:
            expression(depth + 1);
            expression(depth + 1);
            break;
        case New:
            for (int i = 0; i < 4; ++i)
                expression(depth + 1);
            break;
        case ClassContext:
        case Context:
            expression(depth + 1);
            fixed(2);
            fixed(1);
            expression(depth + 1);
            break;
        case MetaCast:
        case DynamicCast:
        case StructMember:
            object();
            expression(depth + 1);
            break;
        case VirtualFunction:
        case GlobalFunction:
            name();
            arguments(depth);
            break;
        case FinalFunction:
            object();
            arguments(depth);
            break;
        case IntConst:
        case FloatConst:
            fixed(4);
            break;
        case StringConst:
            while (fixed(1) != 0) {
            }
            break;
        case UnicodeStringConst:
            while (fixed(2) != 0) {
            }
            break;
        case RotationConst:
        case VectorConst:
            fixed(4);
            fixed(4);
            fixed(4);
            break;
        case ByteConst:
        case IntConstByte:
            fixed(1);
            break;
        case Iterator:
            expression(depth + 1);
            fixed(2);
            break;
        case StructCmpEq:
        case StructCmpNe:
            object();
            expression(depth + 1);
            expression(depth + 1);
            break;
        // A bool variable's own variable follows as the next expression, as the engine reads it.
        case BoolVariable:
        case Stop:
        case Nothing:
        case EndFunctionParms:
        case Self:
        case IntZero:
        case IntOne:
        case True:
        case False:
        case NoObject:
        case IteratorPop:
        case IteratorNext:
            break;
        default:
            //: %1 is a hexadecimal byte
            fail(QCoreApplication::translate("ScriptWalk", "unknown script token 0x%1")
                     .arg(token, 2, 16, QLatin1Char('0')));
        }
        return token;
    }

private:
    // A value stored as it is in memory: size bytes, at most 4.
    quint32 fixed(int size) {
        m_memory += size;
        switch (size) {
        case 1:
            return m_reader.u8();
        case 2:
            return m_reader.u16();
        default:
            return m_reader.u32();
        }
    }

    // An object reference: a compact index in the file, a pointer in memory.
    qint32 object() {
        m_memory += m_pointerSize;
        return m_reader.compact();
    }

    // A name: a compact index in the file, 4 bytes in memory.
    qint32 name() {
        m_memory += 4;
        return m_reader.compact();
    }

    void arguments(int depth) {
        while (expression(depth + 1) != EndFunctionParms) {
        }
    }

    // Label names and code offsets, up to the label None.
    void labelTable() {
        for (;;) {
            const qint32 label = name();
            fixed(4);
            if (label == m_noneName)
                break;
        }
    }

    ByteReader& m_reader;
    qint32 m_noneName;
    int m_pointerSize;
    qint64 m_memory = 0;
};

} // namespace

void skipScript(ByteReader& reader, qint32 scriptSize, qint32 noneName) {
    if (scriptSize < 0)
        fail(QCoreApplication::translate("ScriptWalk", "a negative script size"));
    const qint64 start = reader.position();
    // Packages saved by the game's 64-bit builds count 8 bytes for a pointer.
    for (const int pointerSize : {4, 8}) {
        reader.seek(start);
        ScriptWalker walker(reader, noneName, pointerSize);
        try {
            while (walker.memory() < scriptSize)
                walker.expression(0);
        } catch (const PackageFault&) {
            if (pointerSize == 8)
                throw;
            continue;
        }
        if (walker.memory() == scriptSize)
            return;
        if (pointerSize == 8)
            fail(QCoreApplication::translate("ScriptWalk", "script code runs past its size"));
    }
}

} // namespace parlomatic::sounds
