#pragma once
// The spring calculation: from the inputs in the shared record and the data
// files to the report, line by line, and every result left in the record.
//
// Two paths, chosen by the material class: on the first-table path
// ("tau1.dat") the table gives a first-approximation stress, the wire is
// estimated, rounded up to a stocked diameter and the allowable stress is a
// share of its tensile strength; on the second-table path ("tau2.dat") the
// table gives the allowable stress itself. Then stiffness, coils, the coil
// impact check, deflections, lengths, pitch, wire length, mass and the
// stability remarks.
//
// Failures the user must read are shown through the host; a failed check
// sets p.calcFailed. Unreadable numbers and arithmetic faults throw the
// errors of engine/errors.h.
//
// With a trace, every value, look-up, check, message and choice is recorded
// as it happens (engine/trace.h); the trace is emptied first.

class CalcHost;
class DataFiles;
struct Peremenn;
struct Trace;

// True when the calculation ran to its last step; p.calcComplete records the
// same for the windows that draw the results, p.wireChosen whether it got as
// far as the listed wire diameter. Reads the files of p.dataDir.
bool runCalculation(Peremenn& p, CalcHost& host, Trace* trace = nullptr);

// The same, reading the data files through `files`.
bool runCalculation(Peremenn& p, CalcHost& host, const DataFiles& files, Trace* trace = nullptr);
