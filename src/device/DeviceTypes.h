#pragma once

#include <QMetaType>
#include <cstdint>

// Unsigned 8-, 16- and 32-bit integers of the command channel; registered by name so that
// queued connections can carry them.
typedef std::uint8_t tdu1;
typedef std::uint16_t tdu2;
typedef std::uint32_t tdu4;

// Registers tdu1, tdu2, tdu4 (and the pointer form) and the command ledger's types with the
// meta-type system; safe to call often.
void RegisterDeviceMetaTypes();
