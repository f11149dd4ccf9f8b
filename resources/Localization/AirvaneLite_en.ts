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
    <message>
        <source>Send feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
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
    <name>AppRestart</name>
    <message>
        <source>the application could not be restarted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to restart the application!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close it and start it again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show application full info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run when Windows starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open network information with Config Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh wireless networks automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me when in a tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show window when in a tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open network notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up hosted network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type network name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type network password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type network profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show network profile key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop auto connection to network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete network profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display hosted network information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display WLAN global settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless system information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show network profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open network settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dropbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OneDrive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This command has no equivalent on this system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (update available)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppTheme</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>theme change was not applied</source>
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
    <name>Changelog</name>
    <message>
        <source>Changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
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
        <source>Changelog:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandCatalogue</name>
    <message>
        <source>Do you want to delete this hosted network profile?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to delete this network profile?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLauncher</name>
    <message>
        <source>network name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>network profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 contains a character that cannot be passed to a command (quotes, %, !, ^, &amp;, |, angle brackets or a line break). The command was not run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need the admin privileges to use this feature with Config Manager!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to run this command in console?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>Config Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command could not be started: %1</source>
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
    <name>CrashRecovery</name>
    <message>
        <source>the previous run ended with an unexpected error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
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
    <message>
        <source>Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Failed to copy the font</source>
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
    <name>InsiderNotification</name>
    <message>
        <source>Insider notification</source>
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
        <source>Do not show this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LastCheckedText</name>
    <message>
        <source>last updates checked on</source>
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
    <name>LocalizationError</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
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
    <name>ManageStartup</name>
    <message>
        <source>launching the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check for updates at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the program starts in the notification area</source>
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
    <name>NetworkManager</name>
    <message>
        <source>bytes/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
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
    <name>ProgramWiring</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Update</name>
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
    <name>UpdateCheck</name>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Download path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start the update installer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update process has been failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
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
