// Stand-in for the front end's class: records every call so that the tests can read them
// back, and echoes fatal report lines on the standard error stream, which death tests see.
package com.vemqor.tovelconfigmanagement.tovcmjservices;

import java.util.ArrayList;

public class TOVJniError {
  private static final ArrayList<String> calls = new ArrayList<>();

  private static void record(String method, String text) {
    calls.add(method + ":" + text);
    // A text asking for it makes the front end fail: the library must carry on.
    if (text.equals("!throw!"))
      throw new IllegalStateException("front end failure");
  }

  public static void DisplayMessage(String text) { record("DisplayMessage", text); }

  public static void DisplayCriticalError(String text) { record("DisplayCriticalError", text); }

  public static void DisplayFatalError(String text) {
    record("DisplayFatalError", text);
    StringBuilder line = new StringBuilder("JAVA DisplayFatalError[");
    for (char c : text.toCharArray())
      line.append(c >= 32 && c < 127 || c == '\n' ? String.valueOf(c)
                                                  : String.format("\\u%04x", (int) c));
    System.err.print(line.append("]\n"));
    System.err.flush();
  }

  public static void DisplayWarningError(String text) { record("DisplayWarningError", text); }

  public static void DisplayInformationError(String text) {
    record("DisplayInformationError", text);
  }

  /// Every call recorded so far, as "method:text", forgetting them.
  public static String[] TakeCalls() {
    String[] taken = calls.toArray(new String[0]);
    calls.clear();
    return taken;
  }
}
