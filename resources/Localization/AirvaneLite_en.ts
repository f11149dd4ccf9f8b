<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AirvaneLite</name>
    <message>
        <source>Refresh this interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy wireless information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SSID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auth. Algorith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot11BssType</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connectable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of BSSIDS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connectable reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PHY Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oper.Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BSS Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Conf.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auth. Algorithm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connectable:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connectable reason:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot11BssType:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Band:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless card was not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless card was not found! Make sure you have wireless card enabled and newest drivers installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no wireless card found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t get wlan interfaces!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t get available networks!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to refresh wlan networks! Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to get network information! Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless information has been successfully copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not unregister wlan notification!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppTray</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectAP</name>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chosen network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your password to connect to this network!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectHAP</name>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionFlow</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the network to proceed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Networks that need a user name and a certificate (enterprise networks) cannot be connected from this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You successfully connected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your password and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You successfully disconnected from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected from the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disconnected from the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile has been successfully removed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete network profile!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GetSpecs</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostlensLauncher</name>
    <message>
        <source>Application was not found! Would you like to provide path to the application?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can purchase it here:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the information about the application!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the application! Make sure it is installed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LicenseAgreement</name>
    <message>
        <source>License agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hostlens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Hostlens Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindowChrome</name>
    <message>
        <source>default language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>english language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>russian language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ukrainian language selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>theme was successfully changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkInfoPanel</name>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkLists</name>
    <message>
        <source>No wireless data is available! Click refresh to access data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wireless profiles are available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotifyAP</name>
    <message>
        <source>Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open network is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set timer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t select this date! Choose another date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WirelessConnect</name>
    <message>
        <source>Hidden network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your security key/network name is not correct!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First node in a ad hoc network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting to associate with a network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto configuration is discovering settings for the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In process of authenticating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile is the active console user&apos;s per user profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interworking is supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotspot2 is enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotspot2 is connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANQP is supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domain network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roaming network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This network failed to connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emulated WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Native WiFi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensible Station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed with error code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual-Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GHz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
