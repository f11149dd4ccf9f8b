<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>About</name>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компанія:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версія:</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Збірка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архітектура:</translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation>Ліцензія:</translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation>Конфіденційність:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Вебсайт:</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Відгук:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Обліковий запис:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>Ліцензійна угода</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Політика конфіденційності</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список змін</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation>Недоступно в цій збірці</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Увійти</translation>
    </message>
</context>
<context>
    <name>AirvaneLite</name>
    <message>
        <source>Refresh this interface</source>
        <translation>Оновити дані цього інтерфейсу</translation>
    </message>
    <message>
        <source>Copy wireless information</source>
        <translation>Копіювати відомості про бездротову мережу</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрування</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Сигнал</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Безпека</translation>
    </message>
    <message>
        <source>Auth. Algorith</source>
        <translation>Алг. автентифікації</translation>
    </message>
    <message>
        <source>Dot11BssType</source>
        <translation>Тип BSS мережі</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Connectable</source>
        <translation>Доступна</translation>
    </message>
    <message>
        <source>Number of BSSIDS</source>
        <translation>Кількість BSSID</translation>
    </message>
    <message>
        <source>Not connectable reason</source>
        <translation>Причина недоступності</translation>
    </message>
    <message>
        <source>PHY Type</source>
        <translation>Тип PHY</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Прапорці</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Підключено</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC-адреса</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профіль</translation>
    </message>
    <message>
        <source>Wireless information</source>
        <translation>Відомості про бездротову мережу</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Interface:</source>
        <translation>Інтерфейс:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Стан:</translation>
    </message>
    <message>
        <source>Oper.Mode:</source>
        <translation>Реж. роботи:</translation>
    </message>
    <message>
        <source>BSS Type:</source>
        <translation>Тип BSS:</translation>
    </message>
    <message>
        <source>Auto Conf.:</source>
        <translation>Автоналашт.:</translation>
    </message>
    <message>
        <source>Profile:</source>
        <translation>Профіль:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Мережа:</translation>
    </message>
    <message>
        <source>Encryption:</source>
        <translation>Шифрування:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Security:</source>
        <translation>Безпека:</translation>
    </message>
    <message>
        <source>Auth. Algorithm:</source>
        <translation>Алгоритм автентифікації:</translation>
    </message>
    <message>
        <source>Connectable:</source>
        <translation>Доступна:</translation>
    </message>
    <message>
        <source>Not connectable reason:</source>
        <translation>Причина недоступності:</translation>
    </message>
    <message>
        <source>Dot11BssType:</source>
        <translation>Тип BSS мережі:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Прапорці:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Connected:</source>
        <translation>Підключено:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адреса:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Frequency:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Band:</source>
        <translation>Діапазон:</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Підключитися</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Завантаження даних...</translation>
    </message>
    <message>
        <source>Wireless card was not found</source>
        <translation>Бездротовий адаптер не знайдено</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Відключитися</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Wireless card was not found! Make sure you have wireless card enabled and newest drivers installed!</source>
        <translation>Бездротовий адаптер не знайдено! Переконайтеся, що його ввімкнено та встановлено найновіші драйвери!</translation>
    </message>
    <message>
        <source>no wireless card found</source>
        <translation>бездротовий адаптер не знайдено</translation>
    </message>
    <message>
        <source>Can&apos;t get wlan interfaces!</source>
        <translation>Не вдалося отримати список бездротових інтерфейсів!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Can&apos;t get available networks!</source>
        <translation>Не вдалося отримати список доступних мереж!</translation>
    </message>
    <message>
        <source>Failed to refresh wlan networks! Error code:</source>
        <translation>Не вдалося оновити список бездротових мереж! Код помилки:</translation>
    </message>
    <message>
        <source>Failed to get network information! Error code:</source>
        <translation>Не вдалося отримати відомості про мережу! Код помилки:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Wireless information has been successfully copied to the clipboard.</source>
        <translation>Відомості про бездротову мережу скопійовано до буфера обміну.</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Could not unregister wlan notification!</source>
        <translation>Не вдалося скасувати реєстрацію сповіщень WLAN!</translation>
    </message>
</context>
<context>
    <name>AppRestart</name>
    <message>
        <source>the application could not be restarted</source>
        <translation>не вдалося перезапустити програму</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to restart the application!</source>
        <translation>Не вдалося перезапустити програму!</translation>
    </message>
    <message>
        <source>Close it and start it again.</source>
        <translation>Закрийте її та запустіть знову.</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Show application full info</source>
        <translation>Показувати повну інформацію про програму</translation>
    </message>
    <message>
        <source>Run when Windows starts</source>
        <translation>Запускати разом з Windows</translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation>Показувати заставку під час запуску</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Поверх усіх вікон</translation>
    </message>
    <message>
        <source>Open network information with Config Manager</source>
        <translation>Відкривати відомості про мережу в диспетчері конфігурації</translation>
    </message>
    <message>
        <source>Refresh wireless networks automatically</source>
        <translation>Автоматично оновлювати бездротові мережі</translation>
    </message>
    <message>
        <source>Set to defaults</source>
        <translation>Відновити типові значення</translation>
    </message>
    <message>
        <source>Tray</source>
        <translation>Область сповіщень</translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation>Додати до трею</translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation>Закривати до трею</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Згортати до трею</translation>
    </message>
    <message>
        <source>Notify me when in a tray</source>
        <translation>Сповіщати, коли програма в треї</translation>
    </message>
    <message>
        <source>Show window when in a tray</source>
        <translation>Показувати вікно, коли програма в треї</translation>
    </message>
    <message>
        <source>Open network notification</source>
        <translation>Сповіщення про відкриті мережі</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Зовнішній вигляд</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема оформлення</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Гарнітура</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Застосувати</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Непрозорість</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Підключення</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Стан:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Check connection</source>
        <translation>Перевірити підключення</translation>
    </message>
    <message>
        <source>Set up hosted network</source>
        <translation>Налаштування розміщеної мережі</translation>
    </message>
    <message>
        <source>Type network name</source>
        <translation>Введіть ім&apos;я мережі</translation>
    </message>
    <message>
        <source>Type network password</source>
        <translation>Введіть пароль мережі</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показати символи</translation>
    </message>
    <message>
        <source>Create network</source>
        <translation>Створити мережу</translation>
    </message>
    <message>
        <source>Start network</source>
        <translation>Запустити мережу</translation>
    </message>
    <message>
        <source>Stop network</source>
        <translation>Зупинити мережу</translation>
    </message>
    <message>
        <source>Show network</source>
        <translation>Показати мережу</translation>
    </message>
    <message>
        <source>Enable network</source>
        <translation>Увімкнути мережу</translation>
    </message>
    <message>
        <source>Disable network</source>
        <translation>Вимкнути мережу</translation>
    </message>
    <message>
        <source>Delete network</source>
        <translation>Видалити мережу</translation>
    </message>
    <message>
        <source>Manage network</source>
        <translation>Керування мережею</translation>
    </message>
    <message>
        <source>Type network profile</source>
        <translation>Введіть профіль мережі</translation>
    </message>
    <message>
        <source>Show network profile key</source>
        <translation>Показати ключ профілю мережі</translation>
    </message>
    <message>
        <source>Stop auto connection to network</source>
        <translation>Вимкнути автопідключення до мережі</translation>
    </message>
    <message>
        <source>Delete network profile</source>
        <translation>Видалити профіль мережі</translation>
    </message>
    <message>
        <source>Configure networks</source>
        <translation>Налаштування мереж</translation>
    </message>
    <message>
        <source>Display hosted network information</source>
        <translation>Відомості про розміщену мережу</translation>
    </message>
    <message>
        <source>Display WLAN global settings</source>
        <translation>Глобальні параметри WLAN</translation>
    </message>
    <message>
        <source>Wireless system information</source>
        <translation>Відомості про бездротову систему</translation>
    </message>
    <message>
        <source>Show network profiles</source>
        <translation>Показати профілі мереж</translation>
    </message>
    <message>
        <source>Open network settings</source>
        <translation>Відкрити параметри мережі</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Збірка:</translation>
    </message>
    <message>
        <source>Check...</source>
        <translation>Перевірити...</translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation>Остання перевірка:</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Не перевірялося</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список змін</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Канал оновлень</translation>
    </message>
    <message>
        <source>Get updates</source>
        <translation>Отримувати оновлення</translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation>Перевіряти оновлення під час запуску програми</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Встановлювати оновлення автоматично</translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation>Сповіщати про інсайдерські збірки</translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation>Видаляти інсталятор після оновлення</translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation>Встановлювати оновлення без запитань</translation>
    </message>
    <message>
        <source>Paths</source>
        <translation>Шляхи</translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation>Тека завантаження:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Змінити</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Тека встановлення:</translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation>Джерело оновлень</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автовибір</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сіра</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Інсайдерський</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Розробка</translation>
    </message>
    <message>
        <source>Dropbox</source>
        <translation>Dropbox</translation>
    </message>
    <message>
        <source>OneDrive</source>
        <translation>OneDrive</translation>
    </message>
    <message>
        <source>Tarnwick</source>
        <translation>Сервер Tarnwick</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Програма</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Різне</translation>
    </message>
    <message>
        <source>Networks</source>
        <translation>Мережі</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation>Перезапустити зараз?</translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation>Щоб застосувати вибраний шрифт, потрібно перезапустити програму.</translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation>Щоб повернути типовий шрифт, потрібно перезапустити програму.</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Виберіть теку</translation>
    </message>
    <message>
        <source>This command has no equivalent on this system.</source>
        <translation>У цій системі немає такої команди.</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Перевірка...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Підключено</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>%1 (update available)</source>
        <translation>%1 (доступне оновлення)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не вдалося перевірити оновлення!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Мережеве підключення недоступне! Перевірте мережу та спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>AppTheme</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation>Не вдалося змінити тему!</translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation>Не вдалося застосувати тему. Файл не знайдено!</translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation>зміну теми не застосовано</translation>
    </message>
</context>
<context>
    <name>AppTray</name>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation>працює в області сповіщень</translation>
    </message>
</context>
<context>
    <name>Changelog</name>
    <message>
        <source>Changelog</source>
        <translation>Список змін</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Збірка:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Канал:</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Зміни:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>список змін оновлено</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation>Не вдалося отримати список змін.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Перевірте підключення до мережі.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Помилка локалізації оновлення!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Ви дійсно бажаєте видалити список змін? Цю дію неможливо скасувати.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Список змін очищено.</translation>
    </message>
</context>
<context>
    <name>CommandCatalogue</name>
    <message>
        <source>Do you want to delete this hosted network profile?</source>
        <translation>Видалити профіль цієї розміщеної мережі?</translation>
    </message>
    <message>
        <source>Do you want to delete this network profile?</source>
        <translation>Видалити цей профіль мережі?</translation>
    </message>
</context>
<context>
    <name>CommandLauncher</name>
    <message>
        <source>network name</source>
        <translation>ім&apos;я мережі</translation>
    </message>
    <message>
        <source>network password</source>
        <translation>пароль мережі</translation>
    </message>
    <message>
        <source>network profile</source>
        <translation>профіль мережі</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>The %1 contains a character that cannot be passed to a command (quotes, %, !, ^, &amp;, |, angle brackets or a line break). The command was not run.</source>
        <translation>Поле «%1» містить символ, який не можна передати команді (лапки, %, !, ^, &amp;, |, кутові дужки або перенесення рядка). Команду не виконано.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>You need the admin privileges to use this feature with Config Manager!</source>
        <translation>Для роботи цієї функції з диспетчером конфігурації потрібні права адміністратора!</translation>
    </message>
    <message>
        <source>Do you want to run this command in console?</source>
        <translation>Виконати цю команду в консолі?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
</context>
<context>
    <name>ConfigManager</name>
    <message>
        <source>Config Manager</source>
        <translation>Диспетчер конфігурації</translation>
    </message>
    <message>
        <source>The command could not be started: %1</source>
        <translation>Не вдалося запустити команду: %1</translation>
    </message>
</context>
<context>
    <name>ConnectAP</name>
    <message>
        <source>Connect</source>
        <translation>Підключитися</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Введіть пароль</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Показати символи</translation>
    </message>
    <message>
        <source>Save my password</source>
        <translation>Зберегти пароль</translation>
    </message>
    <message>
        <source>Connect automatically</source>
        <translation>Підключатися автоматично</translation>
    </message>
    <message>
        <source>chosen network</source>
        <translation>вибрано мережу</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Відключитися</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не вдалося скасувати підключення до мережі!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Enter your password to connect to this network!</source>
        <translation>Введіть пароль для підключення до цієї мережі!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Підключення</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Відключитися від мережі?</translation>
    </message>
</context>
<context>
    <name>ConnectHAP</name>
    <message>
        <source>Connection</source>
        <translation>Підключення</translation>
    </message>
    <message>
        <source>Enter the name of the network</source>
        <translation>Введіть ім’я мережі</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Підключитися</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не потрібно</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Підключення</translation>
    </message>
</context>
<context>
    <name>ConnectionFlow</name>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Select the network to proceed!</source>
        <translation>Виберіть мережу, щоб продовжити!</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Відключитися від мережі?</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Підключення</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Networks that need a user name and a certificate (enterprise networks) cannot be connected from this program.</source>
        <translation>До мереж, яким потрібні ім’я користувача та сертифікат (корпоративних мереж), ця програма підключитися не може.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Підключено</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>You successfully connected to</source>
        <translation>Ви успішно підключилися до</translation>
    </message>
    <message>
        <source>connected to</source>
        <translation>підключено до мережі</translation>
    </message>
    <message>
        <source>on</source>
        <translation>через</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Не підключено!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Check your password and try again.</source>
        <translation>Перевірте пароль і спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>You successfully disconnected from</source>
        <translation>Ви успішно відключилися від</translation>
    </message>
    <message>
        <source>disconnected from the</source>
        <translation>відключено від мережі</translation>
    </message>
    <message>
        <source>disconnected from the network</source>
        <translation>відключено від мережі</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Підключитися</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не вдалося скасувати підключення до мережі!</translation>
    </message>
    <message>
        <source>Profile has been successfully removed!</source>
        <translation>Профіль успішно видалено!</translation>
    </message>
    <message>
        <source>Could not delete network profile!</source>
        <translation>Не вдалося видалити профіль мережі!</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>the previous run ended with an unexpected error</source>
        <translation>попередній запуск завершився неочікуваною помилкою</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation>Сталася неочікувана помилка! Бажаєте надіслати відгук?</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>Feedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Тип відгуку</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Проблема з застосунком</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Запит функції або пропозиція</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Просто оцінити застосунок</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Оцініть цей застосунок</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Розкажіть докладніше</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Опишіть вашу проблему докладно</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Вказати мою адресу ел. пошти</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ваша адреса ел. пошти</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Вибрати</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>Файл не вибрано</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Надіслати відгук</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Розробка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Інсайдер</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Вкладення</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>макс. 20.0 МБ</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Вибір файлів</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Зображення</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Дампи збоїв</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>Розмір вибраних даних завеликий (макс. 20.0 МБ)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Вибрано</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлів</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Натисніть, щоб відкрити</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Не вдалося відкрити файл!</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Назва застосунку:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Збірка застосунку:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Канал застосунку:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Архітектура застосунку:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Дата створення:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Оцінка застосунку:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Повідомлення:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Ел. пошта:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Вкладення:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Поле відгуку порожнє!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>Ви забули оцінити застосунок!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Поле адреси ел. пошти порожнє!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Введіть правильну адресу ел. пошти!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Мережеве підключення недоступне! Перевірте мережу та спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Дякуємо за відгук!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>відгук успішно надіслано</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>Мережеве підключення зараз недоступне!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Не вдалося надіслати відгук!</translation>
    </message>
</context>
<context>
    <name>FontInstaller</name>
    <message>
        <source>Failed to copy the font</source>
        <translation>Не вдалося скопіювати шрифт</translation>
    </message>
</context>
<context>
    <name>GetSpecs</name>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Обсяг ОЗП невідомий</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>ОС:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версія:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Архітектура:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>ОЗП:</translation>
    </message>
    <message>
        <source>Computer name:</source>
        <translation>Ім’я комп’ютера:</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Не вдалося ініціалізувати бібліотеку COM. Код помилки:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Не вдалося створити об’єкт IWbemLocator. Код помилки:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Не вдалося підключитися. Код помилки:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Не вдалося задати параметри безпеки проксі (proxy blanket). Код помилки:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Не вдалося виконати запит до WMI. Код помилки:</translation>
    </message>
</context>
<context>
    <name>HostlensLauncher</name>
    <message>
        <source>Application was not found! Would you like to provide path to the application?</source>
        <translation>Застосунок не знайдено! Бажаєте вказати шлях до застосунку?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>You can purchase it here:</source>
        <translation>Його можна придбати тут:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to open the information about the application!</source>
        <translation>Не вдалося відкрити відомості про застосунок!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Failed to open the application! Make sure it is installed.</source>
        <translation>Не вдалося відкрити застосунок! Переконайтеся, що його встановлено.</translation>
    </message>
</context>
<context>
    <name>InsiderNotification</name>
    <message>
        <source>Insider notification</source>
        <translation>Сповіщення для інсайдерів</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Більше не показувати</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>Нова інсайдерська збірка</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>доступна! Встановити її?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примітка:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>Під час встановлення вас буде автоматично переведено на інсайдерський канал оновлень</translation>
    </message>
</context>
<context>
    <name>LastCheckedText</name>
    <message>
        <source>last updates checked on</source>
        <translation>дата останньої перевірки оновлень</translation>
    </message>
</context>
<context>
    <name>LicenseAgreement</name>
    <message>
        <source>License agreement</source>
        <translation>Ліцензійна угода</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation>Файл ліцензії не знайдено!</translation>
    </message>
</context>
<context>
    <name>LocalizationError</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation>Файл локалізації не знайдено!</translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation>Перевстановіть програму, щоб усунути проблему.</translation>
    </message>
</context>
<context>
    <name>Log</name>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Файл журналу успішно збережено!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Шлях до журналу:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Текстові документи</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Усі файли</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Файл журналу успішно видалено!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Файл журналу не існує!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Мережеве підключення недоступне! Перевірте мережу та спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Файл журналу успішно надіслано!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Не вдалося надіслати файл журналу!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>Ви не в мережі. Підключіться до мережі та спробуйте ще раз!</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>Languages</source>
        <translation>Мови</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Теми</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Not available in this build</source>
        <translation>Недоступно в цій збірці</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Hostlens</source>
        <translation>Hostlens</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Оновити</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Підключитися</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Зворотний зв’язок</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Список змін</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>About Hostlens Home</source>
        <translation>Про Hostlens Home</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>Застосунок</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Автовибір</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сіра</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Темна</translation>
    </message>
</context>
<context>
    <name>MainWindowChrome</name>
    <message>
        <source>default language selected</source>
        <translation>вибрано мову за замовчуванням</translation>
    </message>
    <message>
        <source>english language selected</source>
        <translation>вибрано англійську мову</translation>
    </message>
    <message>
        <source>russian language selected</source>
        <translation>вибрано російську мову</translation>
    </message>
    <message>
        <source>ukrainian language selected</source>
        <translation>вибрано українську мову</translation>
    </message>
    <message>
        <source>theme was successfully changed</source>
        <translation>тему успішно змінено</translation>
    </message>
</context>
<context>
    <name>ManageStartup</name>
    <message>
        <source>launching the program</source>
        <translation>запуск програми</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>check for updates at startup</source>
        <translation>перевірка оновлень під час запуску</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Підключення до мережі не знайдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Перевірку оновлень пропущено!</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не вдалося перевірити оновлення!</translation>
    </message>
    <message>
        <source>the program starts in the notification area</source>
        <translation>програма запускається в області сповіщень</translation>
    </message>
</context>
<context>
    <name>MsgDialog</name>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
</context>
<context>
    <name>NetworkInfoPanel</name>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
</context>
<context>
    <name>NetworkLists</name>
    <message>
        <source>No wireless data is available! Click refresh to access data.</source>
        <translation>Немає даних про бездротові мережі! Натисніть «Оновити», щоб отримати дані.</translation>
    </message>
    <message>
        <source>No wireless profiles are available.</source>
        <translation>Немає доступних профілів бездротових мереж.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>Підключення</translation>
    </message>
</context>
<context>
    <name>NetworkManager</name>
    <message>
        <source>bytes/s</source>
        <translation>байт/с</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>МБ/с</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>невідомо</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
</context>
<context>
    <name>NotifyAP</name>
    <message>
        <source>Notification</source>
        <translation>Сповіщення</translation>
    </message>
    <message>
        <source>Open network is available</source>
        <translation>Доступна відкрита мережа</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Згорнути</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Мережа:</translation>
    </message>
    <message>
        <source>Signal:</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Більше не показувати</translation>
    </message>
    <message>
        <source>Connect now</source>
        <translation>Підключитися зараз</translation>
    </message>
    <message>
        <source>Remind later</source>
        <translation>Нагадати пізніше</translation>
    </message>
    <message>
        <source>Set timer:</source>
        <translation>Нагадати:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Не вдалося відновити роботу служби WMI!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Не вдалося запустити службу WMI!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Відключитися</translation>
    </message>
    <message>
        <source>Failed to cancel the network connection!</source>
        <translation>Не вдалося скасувати підключення до мережі!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Do you want to disconnect?</source>
        <translation>Відключитися від мережі?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>You can&apos;t select this date! Choose another date!</source>
        <translation>Цю дату вибрати не можна! Виберіть іншу дату!</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Ім’я користувача:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Інформація</translation>
    </message>
</context>
<context>
    <name>ProgramWiring</name>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation>Не вдалося видалити стару збірку!</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Attention</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation>Відкрити ще один екземпляр програми?</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Development</source>
        <translation>Розробка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Інсайдерський</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Оновлення вимкнено. Увімкнути їх?</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>остання перевірка оновлень</translation>
    </message>
    <message>
        <source>check for updates</source>
        <translation>перевірка оновлень</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова версія</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>збірка:</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>доступна. Завантажити її?</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>— встановлено останню версію</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Не вдалося перевірити наявність оновлень!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Немає підключення до мережі! Перевірте мережу та спробуйте ще раз.</translation>
    </message>
</context>
<context>
    <name>Updates</name>
    <message>
        <source>Download path:</source>
        <translation>Тека завантаження:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Тека встановлення:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Швидкість:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Завантажено:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Розмір:</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Минуло:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Залишилось:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Не вдалося відкрити теку завантаження!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Не вдалося відкрити теку встановлення!</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Failed to start the update installer!</source>
        <translation>Не вдалося запустити інсталятор оновлення!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>оновлення успішно встановлено!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>Файл не знайдено! Перезапустити оновлення?</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Скасувати оновлення?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Не вдалося видалити файл оновлення!</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>Підключення до мережі не знайдено!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Перевірку оновлень пропущено!</translation>
    </message>
    <message>
        <source>Update process has been failed!</source>
        <translation>Не вдалося виконати оновлення!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Код стану</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Код помилки</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Перезапустити оновлення?</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>Оновлення</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Стан:</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>скасування...</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Завантажено:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Завантаження завершено!</translation>
    </message>
</context>
<context>
    <name>WindowTitle</name>
    <message>
        <source>Build</source>
        <translation>Збірка</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Розробка</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Інсайдерський</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Бета</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Реліз</translation>
    </message>
</context>
<context>
    <name>WirelessConnect</name>
    <message>
        <source>Hidden network</source>
        <translation>Прихована мережа</translation>
    </message>
    <message>
        <source>Your security key/network name is not correct!</source>
        <translation>Неправильний ключ безпеки або ім’я мережі!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Код помилки:</translation>
    </message>
    <message>
        <source>Please try again.</source>
        <translation>Спробуйте ще раз.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Not required</source>
        <translation>Не потрібно</translation>
    </message>
    <message>
        <source>Credentials</source>
        <translation>Облікові дані</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Потрібно</translation>
    </message>
    <message>
        <source>Not ready</source>
        <translation>Не готовий</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Підключено</translation>
    </message>
    <message>
        <source>First node in a ad hoc network</source>
        <translation>Перший вузол у мережі ad hoc</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>Відключення</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Не підключено</translation>
    </message>
    <message>
        <source>Attempting to associate with a network</source>
        <translation>Спроба асоціації з мережею</translation>
    </message>
    <message>
        <source>Auto configuration is discovering settings for the network</source>
        <translation>Автоналаштування визначає параметри мережі</translation>
    </message>
    <message>
        <source>In process of authenticating</source>
        <translation>Триває автентифікація</translation>
    </message>
    <message>
        <source>No profile</source>
        <translation>Немає профілю</translation>
    </message>
    <message>
        <source>Has profile</source>
        <translation>Є профіль</translation>
    </message>
    <message>
        <source>The profile is the active console user&apos;s per user profile</source>
        <translation>Особистий профіль активного користувача консолі</translation>
    </message>
    <message>
        <source>Interworking is supported</source>
        <translation>Підтримується Interworking</translation>
    </message>
    <message>
        <source>Hotspot2 is enabled</source>
        <translation>Hotspot 2.0 увімкнено</translation>
    </message>
    <message>
        <source>Hotspot2 is connected</source>
        <translation>Hotspot 2.0 підключено</translation>
    </message>
    <message>
        <source>ANQP is supported</source>
        <translation>Підтримується ANQP</translation>
    </message>
    <message>
        <source>Domain network</source>
        <translation>Доменна мережа</translation>
    </message>
    <message>
        <source>Roaming network</source>
        <translation>Мережа в роумінгу</translation>
    </message>
    <message>
        <source>This network failed to connect</source>
        <translation>Не вдалося підключитися до цієї мережі</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інший</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>Інфраструктура</translation>
    </message>
    <message>
        <source>Independent</source>
        <translation>Незалежна</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Будь-який</translation>
    </message>
    <message>
        <source>Emulated WiFi</source>
        <translation>Емульований Wi-Fi</translation>
    </message>
    <message>
        <source>Native WiFi</source>
        <translation>Вбудований Wi-Fi</translation>
    </message>
    <message>
        <source>Invalid interface</source>
        <translation>Неприпустимий інтерфейс</translation>
    </message>
    <message>
        <source>Extensible Station</source>
        <translation>Розширювана станція</translation>
    </message>
    <message>
        <source>Network Monitor</source>
        <translation>Мережевий монітор</translation>
    </message>
    <message>
        <source>Failed with error code</source>
        <translation>Збій із кодом помилки</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>Dual-Band</source>
        <translation>Дводіапазонна</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>ГГц</translation>
    </message>
</context>
</TS>
