-- Form 8-OASU for May 2026 (1.05-31.05) of ЮТЭЙР, owner code ЮТС; the clock
-- stands at 15.06.2026, so the report date is the month's last day, 31.05.2026.
-- Movements in date order, with the rules applied in order, later ones
-- overwriting:
--  1.05 engine RA-22031 -> Склад: board RA-22031, "На склад", "Снят с ВС по
--       производственной необходимости" (the first day of the month is in).
--  5.05 gearbox RA-22031 -> RA-22032: "from" gives "На склад" and "Снят с ВС
--       по выработке ресурса", then "to" overwrites the event with
--       "Установлен на ВС" and the board with the receiving RA-22032.
-- 10.05 APU Ремонт -> Склад: no board; "Поступил на склад из ремонта", "На склад".
-- 12.05 engine Склад -> Списание: no board, "Направлен в ремонт" first, then
--       "Списан по выработке ресурса" with "На склад" cleared (it was never set).
-- 15.05 engine Ремфонд -> Склад: no rule matches ("Ремфонд" is not "Ремонт"),
--       no board: dropped in the clean-up, so the numbers run on without a gap.
-- 20.05 engine RA-22032 -> "В АРЗ с ВС без ремонта": board RA-22032, "На склад",
--       event first "Снят с ВС по выработке ресурса", then that same place text.
-- 25.05 gearbox Склад -> Склад: "Приобретен в собственность", "На склад".
-- 31.05 engine Рекламация -> В АРЗ (the last day is in): "Направлен в ремонт",
--       then the claim gives "Поступил на склад из ремонта" and "На склад",
--       then "В АРЗ" sets "Направлен в ремонт" again; "На склад" stays.
-- Left out: 30.04 and 1.06 (outside the month), a movement of owner ЛИЗ and a
-- unit (Agregat) movement.
-- Numbers 1-7 in table order after the clean-up.
INSERT INTO EXPLUATANTY (ID_NAME, NAME, HIDE) VALUES ('ЮТЭЙР', 'АО «ЮТэйр»', 0);
INSERT INTO OBSHIE (EXPLUATANT, VLADELETS, FIO_IAS, DOLGNOST_IAS, NACH_PDO, PHONE_PDO, IMIA_UGA, ADRES_PREDPR, EMAIL_PREDPRIATIE) VALUES ('ЮТЭЙР', 'ЮТС', 'Иванов И.И.', 'Начальник ИАС', 'Петров П.П.', '49-00-00', 'Росавиация', 'г. Тюмень', 'office@ut.ru');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST) VALUES ('Ми-8АМТ', 'RA-22031', 'ЮТЭЙР', 'ЮТС');
INSERT INTO REESTR (TIP_VS, BORTOVOI_NOMER, EXPLUATANT, SOBSTVENNOST) VALUES ('Ми-8АМТ', 'RA-22032', 'ЮТЭЙР', 'ЮТС');
INSERT INTO SPRAVKA (TIP_VS, BORTOVOI_NOMER, DATA_POLETA, V_VOZDUHE) VALUES ('Ми-8АМТ', 'RA-22031', '2025-03-01', '01:00');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-04-30', 'Dvigatel', 'ТВ3-117ВМ', 'E0', 'Выработка', 'RA-22031', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-01', 'Dvigatel', 'ТВ3-117ВМ', 'E1', 'Замена', 'RA-22031', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-05', 'Reductor', 'ВР-14', 'R1', 'Перестановка', 'RA-22031', 'RA-22032', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-10', 'VSU', 'АИ-9В', 'A1', 'Из ремонта', 'Ремонт', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-10', 'Dvigatel', 'ТВ3-117ВМ', 'E9', 'Чужой', 'RA-22031', 'Склад', 'ЛИЗ');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-10', 'Agregat', 'Насос', 'U1', 'Агрегат', 'RA-22031', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-12', 'Dvigatel', 'ТВ3-117ВМ', 'E2', 'Ресурс', 'Склад', 'Списание', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-15', 'Dvigatel', 'ТВ3-117ВМ', 'E3', 'Учет', 'Ремфонд', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-20', 'Dvigatel', 'ТВ3-117ВМ', 'E4', 'Стружка', 'RA-22032', 'В АРЗ с ВС без ремонта', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-25', 'Reductor', 'ВР-14', 'R2', 'Покупка', 'Склад', 'Склад', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-05-31', 'Dvigatel', 'ТВ3-117ВМ', 'E5', 'Рекламация', 'Рекламация', 'В АРЗ', 'ЮТС');
INSERT INTO DVIGENIE_V_EKSPLUATACII (DATA_PEREVODA, NAIMENOVANIE, NAZVANIE, ZAVODSKOY_NOMER, PRICHINA, OTKUDA, KUDA, SOBSTVENNOST) VALUES ('2026-06-01', 'Dvigatel', 'ТВ3-117ВМ', 'E6', 'Замена', 'RA-22032', 'Склад', 'ЮТС');
