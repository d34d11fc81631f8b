/* The module's string table: one list, read by the Windows resource compiler (veltra.rc) and
 * compiled into the Linux build, so the two can never disagree. US English, ASCII only.
 *
 * Ids 1 to 10, 18 and 19 are the nodes' display names. Ids 11 to 17 are messages that no
 * operation loads; they stay in the table for the host's tools that list it. */
#ifndef VELTRA_RESOURCES_STRING_TABLE_H
#define VELTRA_RESOURCES_STRING_TABLE_H

#define VELTRA_STRING_TABLE(X)                                     \
  X(1, "Input Line Voltage")                                       \
  X(2, "Min Line Voltage")                                         \
  X(3, "Max Line Voltage")                                         \
  X(4, "UPS Output Voltage")                                       \
  X(5, "UPS Load")                                                 \
  X(6, "Internal UPS Temp")                                        \
  X(7, "Humidity Probe 1")                                         \
  X(8, "Humidity Probe 2")                                         \
  X(9, "Temp Probe 1")                                             \
  X(10, "Temp Probe 2")                                            \
  X(11, "Failed to initialize COM library. Error code = 0x%x")     \
  X(12, "Failed to initialize security. Error code = 0x%x")        \
  X(13, "Failed to create IWbemLocator object. Error code = 0x%x") \
  X(14, "Could not connect to namespace. Error code = 0x%x")       \
  X(15, "Could not set proxy security blanket. Error code = 0x%x") \
  X(16, "Could not get instance. Error code = 0x%x")               \
  X(17, "Could not get property %S. Error code = 0x%x")            \
  X(18, "Battery Voltage")                                         \
  X(19, "Output Frequency")

#endif
