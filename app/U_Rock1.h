#pragma once
// The settings-file routines and the PC speaker driver the main window calls.
//
// Settings: every call opens the INI file, makes its one read or write through the profile
// service (see U_Rock1Profile.h) and releases the file again; nothing is cached here.
// Speaker: on the NT family of the platform a tone is the platform's Beep, which ends by itself;
// elsewhere the PC's interval timer (ports 0x42/0x43) and speaker gate (port 0x61) are
// programmed directly and the speaker sounds until SpeakerOff. The platform calls go through
// the seam in U_Rock1Platform.h.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quellar {

// --- Settings file -------------------------------------------------------------------------

// Longest value ReadIniValue returns, in characters; longer values are cut to this length.
inline constexpr std::size_t kIniValueMaxLength = 2047;

// If no file exists at path, writes Item=Data into section, which creates the file. An existing
// file is left exactly as it is, whatever it holds. A failed write raises as WriteIniValue does.
void CreateIniIfMissing(const std::string& path, const std::string& section);

// Writes one key: replaces its value where it stands, or adds it at the end of its section; the
// section is added at the end of the file and the file is created when missing. Section and key
// names match without regard to letter case. Raises Exception("Unable to write to <path>") when
// the write fails (for example a path in a folder that does not exist).
void WriteIniValue(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value);

// Reads one key; a missing file, section or key reads as the empty text. Never raises.
std::string ReadIniValue(const std::string& path, const std::string& section, const std::string& key);

// --- PC speaker ----------------------------------------------------------------------------

// Timer input clock in hertz; the divisor for a frequency f is kSpeakerClockHz / f.
inline constexpr std::int32_t kSpeakerClockHz = 1193181;
// Lowest frequency the port path sounds; below it the port path touches no port.
inline constexpr std::uint16_t kSpeakerMinPortHz = 19;
// Platform identifier of the NT family, as the version query reports it.
inline constexpr std::uint32_t kPlatformNtFamily = 2;

inline constexpr std::uint16_t kPortSpeakerControl = 0x61; // bit 0: timer 2 gate, bit 1: speaker
inline constexpr std::uint16_t kPortTimerMode = 0x43;
inline constexpr std::uint16_t kPortTimer2Data = 0x42;
inline constexpr std::uint8_t kTimer2SquareWaveMode = 0xB6; // channel 2, low/high byte, mode 3

// Sounds the speaker at frequency hertz and returns after about durationMs milliseconds. On the
// NT family this is one complete Beep; elsewhere SpeakerOn then WaitMs, and the speaker keeps
// sounding afterwards. A negative duration counts as 0.
void SpeakerTone(std::int32_t frequency, std::int32_t durationMs);

// Silences the speaker on the port path (clears bits 0 and 1 of port 0x61, keeps the others);
// does nothing on the NT family.
void SpeakerOff();

// Port path: loads the divisor for frequency hertz into timer 2 and opens the speaker gate.
// Below 19 Hz it does nothing. When the gate is already open only the divisor is reloaded.
void SpeakerOn(std::uint16_t frequency);

// Waits at least ms milliseconds in 1 ms sleeps on the platform's tick count (wrap-around
// safe). Always sleeps at least once, so 0 or less takes one sleep.
void WaitMs(std::int32_t ms);

// Writes the low 8 bits of value to an I/O port. Only the port path touches real ports; on the
// NT family (and in the 64-bit build) it does nothing.
void PortWrite(std::uint16_t port, std::uint16_t value);

// Reads one byte from an I/O port; 0 where ports are not reachable (see PortWrite).
std::uint8_t PortRead(std::uint16_t port);

} // namespace quellar
