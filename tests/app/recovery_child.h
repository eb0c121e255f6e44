#pragma once

namespace kirvolt::testing {

// The roles a test gives to Kirvolts it starts as processes of their own (this test program
// started again with KIRVOLT_RECOVERY_CHILD set): "edit" places a resistor in a new circuit,
// says "written" once its recovery file is on disk and runs until killed; "accept" and
// "decline" start Kirvolt, answer its offer to reopen with Yes or No, and print the named
// components of the circuits then open, with their grid positions.
int runRecoveryChild(const char* role);

}  // namespace kirvolt::testing
