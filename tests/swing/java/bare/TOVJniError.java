// Stand-in for a front end's class that has none of the methods the library calls.
package com.vemqor.tovelconfigmanagement.tovcmjservices;

public class TOVJniError {
  public static void DisplayMessage(int notAString) {}
}
